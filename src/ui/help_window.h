#pragma once
// The help window: a non-modal dialog that browses the pages of the program folder's "help"
// folder (the rules of every game as topic 3000 + its number, and the contents), with Back,
// Forward and Contents buttons and a find box. A custom game has no page of its own; its rules
// are worded from its changed rule parameters when it is shown. A missing page leaves a message
// in the window.

#include "catalogue/rule_vector.h"

#include <QDialog>

#include <filesystem>
#include <string>

class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace marlowe {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    HelpWindow(const std::filesystem::path& helpFolder, QWidget* parent = nullptr);

    // Shows the page of a topic; the rules of game n are topic 3000 + n.
    void ShowTopic(int topic);
    // Shows the list of games and how to play.
    void ShowContents();
    // The rules of a game: the built-in page, or for a custom game a page worded from its rules.
    void ShowRulesOf(int number, const std::string& name, const RuleVector& rules);

    // Looks for the text from the cursor on, starting again at the top; false when it is not there.
    bool Find(const QString& text);

    // The browser, for tests.
    QTextBrowser* Browser() const { return browser_; }

private:
    void ShowPage(const std::filesystem::path& file);
    void ShowMissing(const std::string& what);
    void Present();
    void UpdateTitle();

    std::filesystem::path folder_;
    QTextBrowser* browser_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    QLineEdit* findBox_ = nullptr;
};

} // namespace marlowe
