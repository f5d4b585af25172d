#pragma once
// The images built into the program (resources/images): the title strip
// "caption.png", title buttons "button1.png" … "button3b.png", push buttons
// "push1.png", "push1b.png", "push1c.png", the entry dialog's shortcut buttons
// "short1.png" … "short6.png" (pressed "short1b.png" …), toolbar images "tool0.png" …
// "tool8.png", and the program icon.
#include <QIcon>
#include <QImage>
#include <QString>

// A null image when there is no such name.
QImage BuiltinImage(const QString& name);
QIcon ProgramIcon();
