// An edit field with a small up/down arrow control beside it. The arrows keep
// their own integer position within a range and never read or write the edit;
// the owner decides what the edit shows when they are used.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace pyk {

class SpinEdit : public QWidget {
  Q_OBJECT

 public:
  explicit SpinEdit(QWidget* parent = nullptr);

  QLineEdit* LineEdit() const { return m_editText; }
  QToolButton* UpButton() const { return m_buttonUp; }
  QToolButton* DownButton() const { return m_buttonDown; }

  // Sets the range and brings the position into it.
  void SetRange(int lo, int hi);
  // Sets the position, clamped to the range; emits nothing.
  void SetPosition(int pos);
  int Position() const { return m_nPos; }
  int Minimum() const { return m_nMin; }
  int Maximum() const { return m_nMax; }

  // One arrow step (+1 up, -1 down) within the range; Stepped follows even
  // when the position is already at a bound.
  void Step(int delta);

 signals:
  // An arrow button or the Up/Down key in the edit was used.
  void Stepped(int position);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* m_editText;
  QToolButton* m_buttonUp;
  QToolButton* m_buttonDown;
  int m_nMin = 0;
  int m_nMax = 100;
  int m_nPos = 0;
};

}  // namespace pyk
