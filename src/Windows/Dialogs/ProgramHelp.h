#pragma once

#include <string>

class CWnd;

// The guide that comes with the program, in the language shown: a web page in the Lang folder
// ("Lang/help/English.html").
std::u16string GuideFile();
// Opens the guide in the desktop's browser; says so in a box, over the owner, when it cannot.
void OpenGuide(CWnd* owner);
