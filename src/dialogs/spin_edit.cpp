// The edit with its up/down arrows, which keep their own clamped position.
#include "dialogs/spin_edit.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

#include "dialogs/dialog_layout.h"

namespace pyk {

SpinEdit::SpinEdit(QWidget* parent)
    : QWidget(parent),
      m_editText(new QLineEdit(this)),
      m_buttonUp(new QToolButton(this)),
      m_buttonDown(new QToolButton(this)) {
  m_editText->setObjectName(QStringLiteral("edit"));
  m_buttonUp->setObjectName(QStringLiteral("buttonUp"));
  m_buttonDown->setObjectName(QStringLiteral("buttonDown"));
  m_buttonUp->setArrowType(Qt::UpArrow);
  m_buttonDown->setArrowType(Qt::DownArrow);

  // The arrows take no focus and repeat while held, as an up-down control does.
  const int half = std::max(m_editText->sizeHint().height() / 2, 6);
  for (QToolButton* b : {m_buttonUp, m_buttonDown}) {
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRepeat(true);
    b->setFixedSize(DluX(this, 9), half);
  }
  connect(m_buttonUp, &QToolButton::clicked, this, [this] { Step(+1); });
  connect(m_buttonDown, &QToolButton::clicked, this, [this] { Step(-1); });

  auto* arrows = new QVBoxLayout;
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  arrows->addWidget(m_buttonUp);
  arrows->addWidget(m_buttonDown);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addWidget(m_editText);
  row->addLayout(arrows);

  setFocusProxy(m_editText);
  m_editText->installEventFilter(this);
}

void SpinEdit::SetRange(int lo, int hi) {
  m_nMin = lo;
  m_nMax = std::max(lo, hi);
  SetPosition(m_nPos);
}

void SpinEdit::SetPosition(int pos) { m_nPos = std::clamp(pos, m_nMin, m_nMax); }

void SpinEdit::Step(int delta) {
  SetPosition(m_nPos + delta);
  emit Stepped(m_nPos);
}

bool SpinEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_editText && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Step(key == Qt::Key_Up ? +1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace pyk
