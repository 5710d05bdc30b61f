// Text out and box formatting over any Font.
#include <algorithm>
#include <vector>

#include "platform/font.h"

namespace platform {

void TextOut(PixelBuffer& buffer, const Font& font, int x, int y, std::string_view text, const TextStyle& style) {
  if (!buffer.pixels) return;
  if (!style.background.transparent) {
    const TextSize size = font.Extent(text);
    FillRect(buffer, {x, y, x + size.cx, y + size.cy}, ColorToPixel(style.background.colour, buffer.format));
  }
  font.DrawGlyphs(buffer, x, y, text, ColorToPixel(style.colour, buffer.format));
}

namespace {

bool IsSpace(std::string_view ch) { return ch == " " || ch == "\t"; }

// A piece that is never split: a run of single-byte non-space characters (a
// word), one space, or one wide character (a line may break on either side
// of it, as Japanese text has no spaces).
std::vector<std::string_view> Pieces(std::string_view line) {
  std::vector<std::string_view> pieces;
  size_t i = 0;
  while (i < line.size()) {
    const std::string_view rest = line.substr(i);
    const size_t n = CharLength(rest);
    const std::string_view ch = rest.substr(0, n);
    if (IsSpace(ch) || !IsSingleByteChar(DecodeChar(ch))) {
      pieces.push_back(ch);
      i += n;
      continue;
    }
    size_t end = i + n;
    while (end < line.size()) {
      const std::string_view r = line.substr(end);
      const size_t m = CharLength(r);
      const std::string_view c = r.substr(0, m);
      if (IsSpace(c) || !IsSingleByteChar(DecodeChar(c))) break;
      end += m;
    }
    pieces.push_back(line.substr(i, end - i));
    i = end;
  }
  return pieces;
}

// Lines of a paragraph no wider than max_width where breaks allow; the
// spaces at a break are dropped. line_text points into paragraph.
void BreakParagraph(const Font& font, std::string_view paragraph, int max_width, std::vector<std::string_view>& out) {
  const std::vector<std::string_view> pieces = Pieces(paragraph);
  size_t start = 0;  // first piece of the current line
  while (start < pieces.size()) {
    while (start < pieces.size() && IsSpace(pieces[start])) ++start;  // no line starts with a space
    if (start == pieces.size()) break;
    size_t end = start + 1;  // a line takes at least one piece
    size_t last_word = start;
    while (end < pieces.size()) {
      const char* from = pieces[start].data();
      const std::string_view candidate(from, pieces[end].data() + pieces[end].size() - from);
      if (!IsSpace(pieces[end]) && font.Extent(candidate).cx > max_width) break;
      if (!IsSpace(pieces[end])) last_word = end;
      ++end;
    }
    out.emplace_back(pieces[start].data(), pieces[last_word].data() + pieces[last_word].size() - pieces[start].data());
    start = end;
  }
}

}  // namespace

int DrawText(PixelBuffer* buffer, const Font& font, const Rect& rect, std::string_view text, unsigned format,
             const TextStyle& style) {
  std::vector<std::string_view> lines;
  size_t begin = 0;
  while (begin <= text.size()) {
    size_t end = text.find('\n', begin);
    if (end == std::string_view::npos) end = text.size();
    std::string_view paragraph = text.substr(begin, end - begin);
    if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
    if (format & DT_WORDBREAK) {
      const size_t before = lines.size();
      BreakParagraph(font, paragraph, rect.right - rect.left, lines);
      if (lines.size() == before) lines.push_back(paragraph.substr(0, 0));  // an empty line still takes its row
    } else {
      lines.push_back(paragraph);
    }
    if (end == text.size()) break;
    begin = end + 1;
  }
  if (text.empty()) lines.clear();

  const int line_height = font.Extent("").cy;
  const int height = static_cast<int>(lines.size()) * line_height;
  if ((format & DT_CALCRECT) || !buffer || !buffer->pixels) return height;

  SubBuffer box = Subview(*buffer, rect);
  if (!box.view.pixels) return height;
  for (size_t i = 0; i < lines.size(); ++i) {
    const int width = font.Extent(lines[i]).cx;
    int x = rect.left;
    if (format & DT_CENTER)
      x = rect.left + (rect.right - rect.left - width) / 2;
    else if (format & DT_RIGHT)
      x = rect.right - width;
    const int y = rect.top + static_cast<int>(i) * line_height;
    TextOut(box.view, font, x - box.origin_x, y - box.origin_y, lines[i], style);
  }
  return height;
}

}  // namespace platform
