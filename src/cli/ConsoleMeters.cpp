#include "cli/ConsoleMeters.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>

#include "cli/ConsoleText.h"
#include "cli/Interrupt.h"

namespace quorvane {

namespace {

std::size_t TerminalWidth() {
  winsize size{};
  if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  return 80;
}

void Redraw(const std::string& line) {
  // Back to the start of the line, the new text, and clear whatever an older, longer text left.
  const std::string out = "\r" + line + "\x1b[K";
  std::fwrite(out.data(), 1, out.size(), stderr);
  std::fflush(stderr);
}

void Erase() {
  Redraw(std::string());
}

// The last `width` characters of a UTF-8 text, never starting inside a character.
std::string Tail(const std::string& text, std::size_t width) {
  std::size_t start = text.size();
  std::size_t taken = 0;
  while (start > 0 && taken < width) {
    --start;
    if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80) ++taken;
  }
  return text.substr(start);
}

}  // namespace

std::string MeterLine(const std::string& caption, const std::string& path,
                      const std::string& detail, int percent, std::size_t width) {
  const std::string head = OneLine(caption) + (path.empty() ? "" : " ");
  const std::string tail = "  " + OneLine(detail) + "  " + std::to_string(percent) + "%";
  std::string name = OneLine(path);
  // Keep one column free: writing into the last column makes some terminals wrap.
  const std::size_t room = width > 1 ? width - 1 : 0;
  const std::size_t fixed = DisplayWidth(head) + DisplayWidth(tail);
  if (fixed + DisplayWidth(name) > room) {
    const std::size_t left = room > fixed + 3 ? room - fixed - 3 : 0;
    name = "..." + Tail(name, left);
  }
  std::string line = head + name + tail;
  if (DisplayWidth(line) > room) line = Tail(line, room);  // a very narrow terminal
  return line;
}

ConsoleProgressMeter::~ConsoleProgressMeter() {
  DestroyWindow();
}

void ConsoleProgressMeter::Begin(const std::string& caption, const std::string& sourcePath,
                                 const std::string&, const std::string& methodLine) {
  m_strCaption = caption;
  m_strSource = sourcePath;
  m_strMethodLine = methodLine;
  m_percent = 0;
  m_bShown = true;
  Draw();
}

void ConsoleProgressMeter::SetPercent(int percent) {
  m_percent = percent;
  Draw();
}

bool ConsoleProgressMeter::IsCancelled() const {
  return Interrupted();
}

void ConsoleProgressMeter::DestroyWindow() {
  if (m_bShown && m_bDraw) Erase();
  m_bShown = false;
}

void ConsoleProgressMeter::Draw() {
  if (!m_bShown || !m_bDraw) return;
  Redraw(MeterLine(m_strCaption, m_strSource, m_strMethodLine, m_percent, TerminalWidth()));
}

ConsoleWipeMeter::~ConsoleWipeMeter() {
  Close();
}

void ConsoleWipeMeter::Begin() {
  m_strPass = "Pass 1";
  m_position = 0;
  m_bShown = true;
  Draw();
}

void ConsoleWipeMeter::SetBar(int position) {
  m_position = position;
  Draw();
}

void ConsoleWipeMeter::SetPassLabel(const std::string& text) {
  m_strPass = text;
  Draw();
}

void ConsoleWipeMeter::Close() {
  if (m_bShown && m_bDraw) Erase();
  m_bShown = false;
}

void ConsoleWipeMeter::Draw() {
  if (!m_bShown || !m_bDraw) return;
  Redraw(MeterLine("Wiping Original File:", std::string(), m_strPass, m_position, TerminalWidth()));
}

}  // namespace quorvane
