#pragma once

#include <string>

namespace quorvane {

// The operation meter that the method routines drive while they copy a file.
class ProgressMeter {
 public:
  virtual ~ProgressMeter() = default;
  // Shows the meter with its four texts and the bar at 0.
  virtual void Begin(const std::string& caption, const std::string& sourcePath,
                     const std::string& targetPath, const std::string& methodLine) = 0;
  // Moves the bar (0..100) and lets pending user-interface events run a bounded number of times.
  virtual void SetPercent(int percent) = 0;
  // True once the user has asked to cancel; never reset.
  virtual bool IsCancelled() const = 0;
  // Removes the meter from the screen.
  virtual void DestroyWindow() = 0;
};

// The wipe meter: a title, a pass label and a bar, no button, no events pumped.
class WipeMeter {
 public:
  virtual ~WipeMeter() = default;
  // Shows the meter with the label "Pass 1" and the bar at 0.
  virtual void Begin() = 0;
  virtual void SetBar(int position) = 0;
  virtual void SetPassLabel(const std::string& text) = 0;
  // Removes the meter from the screen.
  virtual void Close() = 0;
};

}  // namespace quorvane
