#pragma once
// UserDialogs: the message boxes the project code shows. The desktop shell
// implements them with its dialogs; tests answer from a script; the
// command-line runner prints them.
#include <string>

namespace korvex::project {

enum class Answer { kYes, kNo, kCancel };

class UserDialogs {
 public:
  virtual ~UserDialogs() = default;
  // An information box with a single OK button.
  virtual void Information(const std::string& text) = 0;
  // A warning box with a single OK button.
  virtual void Warning(const std::string& text) = 0;
  // A confirmation box: true for Yes.
  virtual bool YesNo(const std::string& text) = 0;
  virtual Answer YesNoCancel(const std::string& text) = 0;
};

}  // namespace korvex::project
