// How a person fills in a page: a mouse click to focus a field, then keys
// that go wherever the focus is at that moment, as the window system
// delivers them; nothing is set on a control directly.
#pragma once

#include <QString>

#include <set>
#include <vector>

class QWidget;

struct TypingStep {
    enum class Kind { Click, Type, Press, Paste };
    Kind kind = Kind::Type;
    int control = 0; // Click: the field's control id
    int octet = 0;   // Click on an address entry: the octet hit
    QString text;    // Type, Paste
    int key = 0;     // Press
    int modifiers = 0;
};
using Typing = std::vector<TypingStep>;

TypingStep Click(int control, int octet = 0);
TypingStep Type(const QString& text);
TypingStep Press(int key, int modifiers = 0);
TypingStep Paste(const QString& text);
TypingStep SelectAll();

// Runs the steps on the page; the page's window must be the active one.
void PerformTyping(QWidget* page, const Typing& steps);
// The fields the steps click into.
std::set<int> FieldsTyped(const Typing& steps);
// The page's fields a person types into: enabled or not, shown or not,
// every line edit that is not read-only and every address entry.
std::set<int> TypedFieldsOf(const QWidget* page);
