#include "catalogue/rules_page.h"

#include "catalogue/rules_wording.h"


namespace marlowe {

std::string HelpTopicFileName(int topic)
{
    return std::to_string(topic) + ".html";
}

std::string EscapeHtml(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c; break;
        }
    }
    return escaped;
}

std::string HelpPageStyle()
{
    return "<style>\n"
           "body { font-family: sans-serif; color: #202020; }\n"
           "h1 { color: #1d5c2e; font-size: x-large; margin-bottom: 4px; }\n"
           "h2 { color: #1d5c2e; font-size: large; margin-top: 14px; margin-bottom: 2px; }\n"
           "p.nav { font-size: small; margin-bottom: 0px; }\n"
           "p.intro { margin-top: 6px; }\n"
           "li { margin-bottom: 2px; }\n"
           "</style>\n";
}

std::string RulesPageHtml(const std::string& name, const RuleVector& rules, const RulesPageNotes& notes)
{
    const std::string title = EscapeHtml(name);
    std::string html = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + title + "</title>\n" +
                       HelpPageStyle() + "</head>\n<body>\n";
    html += "<p class=\"nav\"><a href=\"" + std::string(kHelpContentsFileName) + "\">Contents</a></p>\n";
    html += "<h1>" + title + "</h1>\n";
    for (const auto& paragraph : notes.introduction)
        html += "<p class=\"intro\">" + EscapeHtml(paragraph) + "</p>\n";
    for (const auto& section : WordRules(rules)) {
        html += "<h2>" + EscapeHtml(section.heading) + "</h2>\n<ul>\n";
        for (const auto& sentence : section.sentences)
            html += "<li>" + EscapeHtml(sentence) + "</li>\n";
        html += "</ul>\n";
    }
    if (!notes.strategy.empty()) {
        html += "<h2>Hints</h2>\n";
        for (const auto& paragraph : notes.strategy)
            html += "<p>" + EscapeHtml(paragraph) + "</p>\n";
    }
    html += "</body>\n</html>\n";
    return html;
}

} // namespace marlowe
