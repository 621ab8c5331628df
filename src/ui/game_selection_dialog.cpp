#include "ui/game_selection_dialog.h"

#include "app/register_settings.h"
#include "app/session_registers.h"
#include "app/text_helpers.h"
#include "board/resource_modules.h"
#include "catalogue/custom_games.h"
#include "catalogue/main_game.h"
#include "catalogue/preview_file.h"
#include "engine/preferences.h"
#include "engine/presentation.h"
#include "ui/game_description_panel.h"
#include "ui/game_preview.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <algorithm>

namespace marlowe {

namespace {

constexpr const char* kPreference = "Preference";
constexpr const char* kShowWonLostKey = "Open_Show_Won_Lost";
constexpr int kMostPlayers = 20;
const char* const kViewTitles[kTreeViewCount] = {"All games", "Game groups", "Selection", "Favorite games",
                                                  "Recent games"};

// The node's place in its tree counted over every node before it, open or not.
int AbsoluteIndex(QTreeWidget* tree, const QTreeWidgetItem* item)
{
    int index = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it, ++index)
        if (*it == item)
            return index;
    return -1;
}

} // namespace

TfrmOpenGame::TfrmOpenGame(const TMainGame& mainGame, Preferences& preferences, const SessionRegisters& registers,
                           const ResourceModules& modules, Presentation& presentation, QWidget* parent)
    : QDialog(parent),
      mainGame_(mainGame),
      preferences_(preferences),
      registers_(registers),
      modules_(modules),
      presentation_(presentation),
      pictures_(std::make_unique<MiniaturePictures>(modules)),
      trees_(std::make_unique<GameTrees>(mainGame, modules, this))
{
    setObjectName("frmOpenGame");
    setWindowTitle("Open a game");
    productPicture_ = DrawProductPicture(*pictures_);
    BuildLayout();
    trees_->FillAllGames();
    trees_->FillSelection();
    panel_->PreviewBox()->setChecked(preferences_.ReadString(kPreference, "Open_Preview_Game") == "Y");
    chkShowWonLost_->setChecked(preferences_.ReadString(kPreference, kShowWonLostKey) == "Y");
    connect(chkShowWonLost_, &QCheckBox::toggled, this, &TfrmOpenGame::ShowMarks);
    connect(panel_->PreviewBox(), &QCheckBox::toggled, this, [this](bool on) {
        preferences_.WriteString(kPreference, "Open_Preview_Game", on ? "Y" : "N");
        ShowDescription();
    });
}

TfrmOpenGame::~TfrmOpenGame()
{
    // The trees outlive the objects their handlers use while the dialog takes them down.
    for (int i = 0; i < kTreeViewCount; ++i)
        trees_->Tree(static_cast<TreeView>(i))->disconnect();
}

void TfrmOpenGame::BuildLayout()
{
    cboView_ = new QComboBox(this);
    cboView_->setObjectName("cboView");
    views_ = new QStackedWidget(this);
    for (int i = 0; i < kTreeViewCount; ++i) {
        QTreeWidget* tree = trees_->Tree(static_cast<TreeView>(i));
        cboView_->addItem(kViewTitles[i]);
        views_->addWidget(tree);
        ConnectTree(tree);
    }
    views_->setMinimumWidth(270);
    connect(cboView_, &QComboBox::currentIndexChanged, this, [this](int index) {
        views_->setCurrentIndex(index);
        ShowDescription();
    });
    auto* viewLabel = new QLabel("&View:", this);
    viewLabel->setBuddy(cboView_);
    chkShowWonLost_ = new QCheckBox("&Show won and lost", this);
    chkShowWonLost_->setObjectName("chkShowWonLost");

    auto* removeFavorite = new QAction(this);
    removeFavorite->setShortcut(QKeySequence::Delete);
    removeFavorite->setShortcutContext(Qt::WidgetShortcut);
    trees_->Tree(TreeView::Favorites)->addAction(removeFavorite);
    connect(removeFavorite, &QAction::triggered, this, [this] { RemoveFavorite(SelectedGame()); });

    panel_ = new GameDescriptionPanel(modules_, this);

    cboPlayers_ = new QComboBox(this);
    cboPlayers_->setObjectName("cboPlayers");
    cboPlayers_->setMinimumContentsLength(16);
    auto* playerLabel = new QLabel("P&layer:", this);
    playerLabel->setBuddy(cboPlayers_);
    connect(cboPlayers_, &QComboBox::currentTextChanged, this, &TfrmOpenGame::ShowMarks);

    btnRules_ = new QPushButton("&Rules", this);
    btnRules_->setObjectName("btnRules");
    const QImage rulesImage = modules_.Image("TB_RULES_SMALL");
    if (!rulesImage.isNull())
        btnRules_->setIcon(QIcon(QPixmap::fromImage(KeyedTransparent(rulesImage))));
    btnOK_ = new QPushButton("OK", this);
    btnOK_->setObjectName("btnOK");
    btnOK_->setDefault(true);
    auto* btnCancel = new QPushButton("Cancel", this);
    connect(btnRules_, &QPushButton::clicked, this, &TfrmOpenGame::ShowRules);
    connect(btnOK_, &QPushButton::clicked, this, &TfrmOpenGame::Confirm);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* viewRow = new QHBoxLayout;
    viewRow->addWidget(viewLabel);
    viewRow->addWidget(cboView_, 1);
    auto* left = new QVBoxLayout;
    left->addLayout(viewRow);
    left->addWidget(views_, 1);
    left->addWidget(chkShowWonLost_);

    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addSpacing(8);
    body->addWidget(panel_);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(playerLabel);
    buttons->addWidget(cboPlayers_);
    buttons->addStretch(1);
    buttons->addWidget(btnRules_);
    buttons->addSpacing(12);
    buttons->addWidget(btnOK_);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addLayout(body, 1);
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

void TfrmOpenGame::ConnectTree(QTreeWidget* tree)
{
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tree, &QTreeWidget::currentItemChanged, this, [this, tree] {
        if (tree == VisibleTree())
            ShowDescription();
    });
    connect(tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { NodeDoubleClicked(item); });
    connect(tree, &QTreeWidget::customContextMenuRequested, this,
            [this, tree](const QPoint& at) { ShowNodeMenu(tree, at); });
}

std::optional<GameChoice> TfrmOpenGame::ShowDialog()
{
    choice_.reset();
    PrepareToShow();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return choice_;
}

void TfrmOpenGame::PrepareToShow()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int current = CurrentGameNumber(registers_);
    lastGame_ = current;
    FillPlayers();
    ShowMarks();
    trees_->FillFavorites(StoredGames(kFavoriteGamesKey));
    trees_->FillRecents(StoredGames(kRecentGamesKey));

    const int type = preferences_.ReadInt(kPreference, "Game_TreeType");
    const auto view = static_cast<TreeView>(type >= 0 && type < kTreeViewCount ? type : 0);
    const int remembered = preferences_.ReadInt(kPreference, "Game_TreeNum");
    bool selected = false;
    if (view == TreeView::Groups && remembered < 0 && current >= 0)
        selected = trees_->SelectInGroup(current >= kFirstCustomGameNumber ? node::CustomizedGames : remembered, current);
    if (!selected && current >= 0)
        selected = trees_->SelectGame(view, current);
    if (!selected && view == TreeView::Groups) {
        if (QTreeWidgetItem* freeCell = trees_->FindState(TreeView::Groups, node::FreeCellType))
            freeCell->setExpanded(true);
    }
    ShowView(view);
    ShowDescription();
    QApplication::restoreOverrideCursor();
}

void TfrmOpenGame::FillPlayers()
{
    QStringList players;
    for (int n = 1; n <= kMostPlayers; ++n) {
        const std::string name = Trim(preferences_.ReadString("Users", "User" + ZeroPad(n, 3), ""));
        if (!name.empty() && !players.contains(QString::fromStdString(name)))
            players << QString::fromStdString(name);
    }
    const QString current = QString::fromStdString(CurrentPlayer(registers_));
    if (!current.isEmpty() && !players.contains(current))
        players << current;
    players.sort(Qt::CaseInsensitive);
    // The marks are shown once the list is complete, not for each name on the way.
    const QSignalBlocker quiet(cboPlayers_);
    cboPlayers_->clear();
    cboPlayers_->addItems(players);
    cboPlayers_->setCurrentIndex(static_cast<int>(std::max<qsizetype>(players.indexOf(current), 0)));
}

void TfrmOpenGame::ShowMarks()
{
    if (chkShowWonLost_->isChecked() && resultsSource_)
        trees_->ShowResults(resultsSource_(cboPlayers_->currentText().toStdString()));
    else
        trees_->ShowResults(std::nullopt);
}

TreeView TfrmOpenGame::VisibleView() const
{
    return static_cast<TreeView>(std::max(views_->currentIndex(), 0));
}

void TfrmOpenGame::ShowView(TreeView view)
{
    cboView_->setCurrentIndex(static_cast<int>(view));
    views_->setCurrentIndex(static_cast<int>(view));
}

QTreeWidget* TfrmOpenGame::VisibleTree() const
{
    return trees_->Tree(VisibleView());
}

int TfrmOpenGame::SelectedGame() const
{
    const QTreeWidgetItem* item = VisibleTree()->currentItem();
    return GameTrees::IsGame(item) ? GameTrees::StateOf(item) : -1;
}

void TfrmOpenGame::ShowDescription()
{
    const int number = SelectedGame();
    btnOK_->setEnabled(number >= 0);
    btnRules_->setEnabled(number >= 0);
    if (number < 0) {
        panel_->ShowProduct(productPicture_, static_cast<int>(mainGame_.Catalogue().size()));
        return;
    }
    lastGame_ = number;
    // A custom game shows the table of the game it is based on.
    const int shown = number >= kFirstCustomGameNumber ? mainGame_.FindCustomGame(number).baseNumber : number;
    const auto records = panel_->PreviewBox()->isChecked() ? ReadPreviewRecords(mainGame_.programFolder, shown)
                                                           : std::optional<std::vector<PreviewRecord>>(std::vector<PreviewRecord>{});
    panel_->ShowGame(DescribeGame(mainGame_, number), DrawPreview(*pictures_, modules_, records, shown));
}

void TfrmOpenGame::Confirm()
{
    const QTreeWidgetItem* item = VisibleTree()->currentItem();
    const int number = SelectedGame();
    if (number < 0) {
        presentation_.ShowInfo("Open a game");
        VisibleTree()->setFocus();
        return;
    }
    const std::string name = trees_->GameName(number);
    if (const Outcome playable = mainGame_.CanPlayOnScreen(number, presentation_.ScreenWidth()); !playable) {
        presentation_.ShowInfo(playable.message());
        return;
    }
    preferences_.WriteInt(kPreference, "Game", number);
    preferences_.WriteString(kPreference, "Game_Name", name);
    preferences_.WriteInt(kPreference, "Game_TreeNum", item->parent() ? GameTrees::StateOf(item->parent()) : -1);
    preferences_.WriteInt(kPreference, "Game_TreePos", AbsoluteIndex(VisibleTree(), item));
    preferences_.WriteInt(kPreference, "Game_TreeType", static_cast<int>(VisibleView()));
    preferences_.WriteString(kPreference, kShowWonLostKey, chkShowWonLost_->isChecked() ? "Y" : "N");
    choice_ = GameChoice{number, name, cboPlayers_->currentText().toStdString()};
    accept();
}

void TfrmOpenGame::ShowRules()
{
    const int number = SelectedGame();
    if (number < 0) {
        presentation_.ShowInfo("Select a game");
        return;
    }
    if (showRules_)
        showRules_(number);
}

void TfrmOpenGame::NoteGameOpened(int number)
{
    const auto recents = WithRecentGame(StoredGames(kRecentGamesKey), number, kRecentGamesKept);
    preferences_.WriteString(kPreference, kRecentGamesKey, FormatGameList(recents));
    trees_->FillRecents(recents);
}

void TfrmOpenGame::AddFavorite(int number)
{
    if (number < 0 || trees_->GameName(number).empty())
        return;
    auto favorites = StoredGames(kFavoriteGamesKey);
    if (std::find(favorites.begin(), favorites.end(), number) == favorites.end())
        favorites.push_back(number);
    StoreFavorites(favorites);
}

void TfrmOpenGame::RemoveFavorite(int number)
{
    auto favorites = StoredGames(kFavoriteGamesKey);
    favorites.erase(std::remove(favorites.begin(), favorites.end(), number), favorites.end());
    StoreFavorites(favorites);
}

void TfrmOpenGame::StoreFavorites(const std::vector<int>& numbers)
{
    preferences_.WriteString(kPreference, kFavoriteGamesKey, FormatGameList(numbers));
    trees_->FillFavorites(numbers);
    if (VisibleView() == TreeView::Favorites)
        ShowDescription();
}

std::vector<int> TfrmOpenGame::StoredGames(const char* key) const
{
    return ParseGameList(preferences_.ReadString(kPreference, key, ""));
}

void TfrmOpenGame::NodeDoubleClicked(QTreeWidgetItem* item)
{
    if (GameTrees::IsGame(item))
        Confirm();
    else if (GameTrees::StateOf(item) == node::AddFavorite)
        AddFavorite(lastGame_);
}

void TfrmOpenGame::ShowNodeMenu(QTreeWidget* tree, const QPoint& at)
{
    QTreeWidgetItem* item = tree->itemAt(at);
    if (!GameTrees::IsGame(item))
        return;
    tree->setCurrentItem(item);
    const int number = GameTrees::StateOf(item);
    QMenu menu(this);
    menu.addAction("&Open", this, &TfrmOpenGame::Confirm);
    menu.addAction("&Rules", this, &TfrmOpenGame::ShowRules);
    menu.addSeparator();
    if (tree == trees_->Tree(TreeView::Favorites))
        menu.addAction("Remove from &favorites", this, [this, number] { RemoveFavorite(number); });
    else
        menu.addAction("Add to &favorites", this, [this, number] { AddFavorite(number); });
    menu.exec(tree->viewport()->mapToGlobal(at));
}

} // namespace marlowe
