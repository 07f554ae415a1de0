#pragma once
// The one exception type of the engine: something ends the run early.
#include <stdexcept>
#include <string>

namespace korvex::engine {

enum class StopKind {
  // Input the engine cannot use: the message goes to the report, followed by
  // "END OF ANALYSIS" and the last result block of the plot file.
  InputError,
  // A stop of the soil-mechanics stage: its messages are already written
  // (console and report); nothing more is written and files are closed.
  SoilStop,
};

class RunStop : public std::runtime_error {
 public:
  RunStop(StopKind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
  StopKind kind() const noexcept { return kind_; }

 private:
  StopKind kind_;
};

}  // namespace korvex::engine
