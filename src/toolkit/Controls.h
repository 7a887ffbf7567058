#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>

#include <functional>
#include <string>

// The controls of the program's windows, at their documented pixel bounds.
// Handlers are assigned after construction, so nothing reports while the
// laid-out values are applied; every report goes through Dispatch.

struct Bounds {
    int left, top, width, height;
};

// Sizes itself to its text, keeping its left and top.
class TLabel : public QLabel {
public:
    TLabel(QWidget* parent, Bounds bounds, const std::string& caption);
    void SetCaption(const std::string& caption);
    std::string Caption() const { return text().toStdString(); }
};

class TButton : public QPushButton {
public:
    TButton(QWidget* parent, Bounds bounds, const std::string& caption);
    std::function<void()> OnClick;

protected:
    // Return presses a focused button, as on every desktop, not only Space.
    void keyPressEvent(QKeyEvent* event) override;
};

// Horizontal, 0..100; reports only real changes of its position.
class TScrollBar : public QScrollBar {
public:
    TScrollBar(QWidget* parent, Bounds bounds, int min, int max, int position);
    int Position() const { return value(); }
    void SetPosition(int position) { setValue(position); }
    std::function<void()> OnChange;
};

class TTrackBar : public QSlider {
public:
    TTrackBar(QWidget* parent, Bounds bounds, int min, int max, int position);
    int Position() const { return value(); }
    int Max() const { return maximum(); }
    void SetPosition(int position) { setValue(position); }
    // Sets the maximum, then the position, without the intermediate report that
    // a lowered maximum would clamp out of the slider; reports once if the
    // final position differs from the one before.
    void SetMaxAndPosition(int max, int position);
    std::function<void()> OnChange;
};

// OnClick runs on every change of the check: mouse, keyboard or program.
class TCheckBox : public QCheckBox {
public:
    // Widened for its text where it needs more, never beyond maxWidth.
    TCheckBox(QWidget* parent, Bounds bounds, const std::string& caption, bool checked, int maxWidth);
    bool Checked() const { return isChecked(); }
    void SetChecked(bool checked) { setChecked(checked); }
    std::function<void()> OnClick;
};

// Text hidden; StepIt adds 1 and shows the bar at once.
class TProgressBar : public QProgressBar {
public:
    TProgressBar(QWidget* parent, Bounds bounds, int min, int max);
    void SetPosition(int position);
    void SetMax(int max) { setMaximum(max); }
    int Position() const { return value(); }
    int Max() const { return maximum(); }
    void StepIt();
};

// A window's context menu. Each item's handler goes through Dispatch.
class TPopupMenu : public QMenu {
public:
    // Belongs to its window, which it opens over.
    explicit TPopupMenu(QWidget* owner) : QMenu(owner) {}
    // The item's action, which tests and keyboard shortcuts can trigger.
    QAction* AddItem(const std::string& caption, std::function<void()> onClick);
};
