#include "toolkit/Controls.h"

#include "toolkit/Application.h"

#include <QKeyEvent>

#include <algorithm>

namespace {

void Place(QWidget* control, Bounds b) { control->setGeometry(b.left, b.top, b.width, b.height); }

void Report(const std::function<void()>& handler)
{
    if (handler)
        Dispatch(handler);
}

}  // namespace

TLabel::TLabel(QWidget* parent, Bounds bounds, const std::string& caption) : QLabel(parent)
{
    Place(this, bounds);
    setText(QString::fromStdString(caption));
}

void TLabel::SetCaption(const std::string& caption)
{
    setText(QString::fromStdString(caption));
    resize(sizeHint());
}

TButton::TButton(QWidget* parent, Bounds bounds, const std::string& caption) : QPushButton(parent)
{
    Place(this, bounds);
    setText(QString::fromStdString(caption));
    connect(this, &QPushButton::clicked, this, [this] { Report(OnClick); });
}

void TButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier)
        click();
    else
        QPushButton::keyPressEvent(event);
}

TScrollBar::TScrollBar(QWidget* parent, Bounds bounds, int min, int max, int position)
    : QScrollBar(Qt::Horizontal, parent)
{
    Place(this, bounds);
    setRange(min, max);
    setValue(position);
    setSingleStep(1);
    setPageStep(1);
    // Qt inverts a scroll bar's keys for the vertical kind; here Right adds.
    setInvertedControls(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QScrollBar::valueChanged, this, [this] { Report(OnChange); });
}

TTrackBar::TTrackBar(QWidget* parent, Bounds bounds, int min, int max, int position)
    : QSlider(Qt::Horizontal, parent)
{
    Place(this, bounds);
    setRange(min, max);
    setValue(position);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    setSingleStep(1);
    setPageStep(2);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QSlider::valueChanged, this, [this] { Report(OnChange); });
}

void TTrackBar::SetMaxAndPosition(int max, int position)
{
    const int before = value();
    {
        const QSignalBlocker quiet(this);
        setMaximum(max);
        setValue(position);
    }
    if (value() != before)
        Report(OnChange);
}

TCheckBox::TCheckBox(QWidget* parent, Bounds bounds, const std::string& caption, bool checked,
                     int maxWidth)
    : QCheckBox(parent)
{
    // The old toolkit's 13-pixel box and a narrower gap: "Zoom Skal-funktion"
    // then shows whole in the room the layout gives it, before the next box.
    setStyleSheet(QStringLiteral("QCheckBox { spacing: 3px; } "
                                 "QCheckBox::indicator { width: 13px; height: 13px; }"));
    setText(QString::fromStdString(caption));
    setChecked(checked);
    bounds.width = std::min(std::max(bounds.width, sizeHint().width()), maxWidth);
    Place(this, bounds);
    connect(this, &QCheckBox::toggled, this, [this] { Report(OnClick); });
}

TProgressBar::TProgressBar(QWidget* parent, Bounds bounds, int min, int max) : QProgressBar(parent)
{
    Place(this, bounds);
    setRange(min, max);
    setValue(min);
    setTextVisible(false);
}

void TProgressBar::SetPosition(int position)
{
    setValue(position);
    if (isVisible())
        repaint();
}

void TProgressBar::StepIt() { SetPosition(value() + 1); }

QAction* TPopupMenu::AddItem(const std::string& caption, std::function<void()> onClick)
{
    QAction* item = addAction(QString::fromStdString(caption));
    QObject::connect(item, &QAction::triggered, this, [onClick = std::move(onClick)] { Dispatch(onClick); });
    return item;
}
