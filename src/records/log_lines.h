#pragma once
// The game log's lines as text. An append that was cut short (a full disk, say) leaves a line
// without its line end, and the next game's line then follows on the same line of the file.
// Such a torn piece is recognised and passed over, so it never mixes with the line after it.

#include <string>
#include <string_view>
#include <vector>

namespace marlowe {

// The lines of a game log's content that were written whole: the piece of a line that another
// line follows on the same line of the file is left out, and so is a last line that is both
// without its line end and shorter than a whole log line.
std::vector<std::string> WholeLogLines(std::string_view content);

// The log's content with line added at its end; a torn last line is left out first, so the
// new line stands on a line of its own.
std::string LogWithLine(std::string_view content, std::string_view line);

} // namespace marlowe
