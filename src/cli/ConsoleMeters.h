#pragma once

#include <string>

#include "platform/ProgressMeter.h"

namespace quorvane {

// The operation meter on the console: one line on stderr (caption, source file, method line,
// percent) redrawn by SetPercent, drawn only when drawing is asked for (stderr is a terminal).
// Cancel is Ctrl-C, whether or not anything is drawn.
class ConsoleProgressMeter : public ProgressMeter {
 public:
  explicit ConsoleProgressMeter(bool draw) : m_bDraw(draw) {}
  ~ConsoleProgressMeter() override;

  void Begin(const std::string& caption, const std::string& sourcePath,
             const std::string& targetPath, const std::string& methodLine) override;
  void SetPercent(int percent) override;
  bool IsCancelled() const override;
  void DestroyWindow() override;

 private:
  void Draw();

  bool m_bDraw;
  bool m_bShown = false;
  std::string m_strCaption;
  std::string m_strSource;
  std::string m_strMethodLine;
  int m_percent = 0;
};

// The wipe meter on the console: "Wiping Original File: Pass N  P%" on stderr when drawing.
class ConsoleWipeMeter : public WipeMeter {
 public:
  explicit ConsoleWipeMeter(bool draw) : m_bDraw(draw) {}
  ~ConsoleWipeMeter() override;

  void Begin() override;
  void SetBar(int position) override;
  void SetPassLabel(const std::string& text) override;
  void Close() override;

 private:
  void Draw();

  bool m_bDraw;
  bool m_bShown = false;
  std::string m_strPass;
  int m_position = 0;
};

// One meter line fitted to the given width: the path is shortened from the left ("...") first.
std::string MeterLine(const std::string& caption, const std::string& path,
                      const std::string& detail, int percent, std::size_t width);

}  // namespace quorvane
