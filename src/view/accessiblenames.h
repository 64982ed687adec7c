#pragma once

#include <QString>

#include <string>

class Control;
class Form;

// What a screen reader calls the controls that have no caption of their own,
// found in the layout as a sighted user finds it: the windows' tables give
// boxes and results no name, only a label beside them.

// A caption as read aloud: the access key's '&' goes, a doubled one stays single.
QString withoutAccessKey(const std::string &caption);
// A text box or a tab control: the label that prompts for it.
QString promptOf(const Form &form, const Control &input);
// A result label (one that has no caption at design time): the caption that
// says what its number is.
QString captionOf(const Form &form, const Control &resultLabel);
// The window: its caption, or for a window without one its first label's.
QString windowNameOf(const Form &form);
