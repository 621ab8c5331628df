#include "ui/help_window.h"

#include "catalogue/custom_games.h"
#include "catalogue/rules_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace marlowe {

namespace {

QString FromPath(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

} // namespace

HelpWindow::HelpWindow(const std::filesystem::path& helpFolder, QWidget* parent)
    : QDialog(parent)
    , folder_(helpFolder)
{
    setModal(false);
    setWindowTitle(tr("Help"));
    resize(640, 560);

    back_ = new QPushButton(tr("&Back"), this);
    forward_ = new QPushButton(tr("&Forward"), this);
    auto* contents = new QPushButton(tr("&Contents"), this);
    findBox_ = new QLineEdit(this);
    findBox_->setPlaceholderText(tr("Find in this page"));
    findBox_->setClearButtonEnabled(true);
    auto* findLabel = new QLabel(tr("Fin&d:"), this);
    findLabel->setBuddy(findBox_);
    auto* findNext = new QPushButton(tr("Find &next"), this);
    for (auto* button : {back_, forward_, contents, findNext})
        button->setAutoDefault(false);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    browser_ = new QTextBrowser(this);
    // Links go through ShowPage, so that a link to a missing page shows the message too.
    browser_->setOpenLinks(false);
    browser_->setSearchPaths({FromPath(folder_)});
    browser_->document()->setDocumentMargin(14);

    auto* bar = new QHBoxLayout;
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addWidget(contents);
    bar->addSpacing(12);
    bar->addWidget(findLabel);
    bar->addWidget(findBox_, 1);
    bar->addWidget(findNext);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);

    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::ShowContents);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::UpdateTitle);
    connect(browser_, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& link) { ShowPage(folder_ / link.fileName().toStdString()); });
    const auto findTyped = [this] { Find(findBox_->text()); };
    connect(findBox_, &QLineEdit::returnPressed, this, findTyped);
    connect(findNext, &QPushButton::clicked, this, findTyped);
}

void HelpWindow::ShowTopic(int topic)
{
    ShowPage(folder_ / HelpTopicFileName(topic));
}

void HelpWindow::ShowContents()
{
    ShowPage(folder_ / kHelpContentsFileName);
}

void HelpWindow::ShowRulesOf(int number, const std::string& name, const RuleVector& rules)
{
    if (number < kFirstCustomGameNumber) {
        ShowTopic(kRulesTopicBase + number);
        return;
    }
    // A custom game's page lives only in the window; its link to the contents still works
    // through the search path.
    RulesPageNotes notes;
    notes.introduction.push_back("A custom game: a game of the collection with some of its rules changed. The rules "
                                 "below are those of this custom game.");
    browser_->setHtml(QString::fromStdString(RulesPageHtml(name, rules, notes)));
    UpdateTitle();
    Present();
}

bool HelpWindow::Find(const QString& text)
{
    if (text.isEmpty())
        return false;
    if (browser_->find(text))
        return true;
    // From the top once more, so that a search wraps round the page.
    browser_->moveCursor(QTextCursor::Start);
    return browser_->find(text);
}

void HelpWindow::ShowPage(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        ShowMissing(file.filename().string());
        return;
    }
    browser_->setSource(QUrl::fromLocalFile(FromPath(file)));
    UpdateTitle();
    Present();
}

void HelpWindow::ShowMissing(const std::string& what)
{
    const QString page = QString::fromStdString(EscapeHtml(what));
    const QString folder = QString::fromStdString(EscapeHtml(folder_.string()));
    browser_->setHtml(tr("<h2>Page not found</h2>"
                         "<p>The help page <b>%1</b> is missing from the folder <b>%2</b>.</p>"
                         "<p>Installing the program again puts the help pages back. "
                         "<a href=\"%3\">Contents</a></p>")
                          .arg(page, folder, QString::fromLatin1(kHelpContentsFileName)));
    UpdateTitle();
    Present();
}

void HelpWindow::Present()
{
    show();
    raise();
    activateWindow();
}

void HelpWindow::UpdateTitle()
{
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? tr("Help") : tr("Help - %1").arg(title));
}

} // namespace marlowe
