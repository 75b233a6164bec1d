#pragma once
// Answers, button sets and icons of the modal message box, and the record the
// App keeps of every box shown (tests read it).
#include <string>

namespace ui {

enum class MsgResult { None = 0, Ok = 1, Yes = 6, No = 7 };
enum class MsgButtons { Ok = 0, YesNo = 4 };
enum class MsgIcon { None = 0, Error = 16, Question = 32, Information = 64 };

struct MessageBoxRecord {
    std::string prompt;
    std::string title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    int defaultButton = 0;  // 0 the first button, 1 the second
    MsgResult answer = MsgResult::None;  // filled in when the box closes
};

}  // namespace ui
