// What the dialogs share in their layout: dialog units (a quarter of the
// font's average character width, an eighth of its height) and fixed-size
// buttons and labels measured in them, and the OK / Cancel row.
#pragma once

class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace pyk {

// Width of n horizontal dialog units in w's font.
int DluX(const QWidget* w, int n);
// Height of n vertical dialog units in w's font.
int DluY(const QWidget* w, int n);

// A push button of w by h dialog units with the given text and object name.
QPushButton* MakeButton(QWidget* parent, const char* text, const char* name, int w, int h);
// A static text of at least w dialog units with the given text and object name.
QLabel* MakeLabel(QWidget* parent, const char* text, const char* name, int w);
// The dialog's OK button (the default, accepting it) and Cancel button
// (rejecting it), okWidth and cancelWidth dialog units wide.
void MakeOkCancel(QDialog* dialog, int okWidth, int cancelWidth, QPushButton** ok, QPushButton** cancel);
// The bottom row of a dialog: OK at the left, Cancel at the right.
QHBoxLayout* ButtonRow(QPushButton* ok, QPushButton* cancel);

}  // namespace pyk
