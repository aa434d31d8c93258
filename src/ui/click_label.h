#pragma once

#include <QLabel>

namespace kaven::ui {

// A label that reports clicks and the mouse moving over it, as a link-like caption needs.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

    // A link that Tab reaches and Space or Enter clicks, with the focus frame around it.
    void setKeyboardActivation(bool on);
    // Shows the focus of `partner` as its own: an answer text lights up while its option,
    // a small circle beside it, has the focus.
    void showFocusOf(QWidget* partner);

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool pressed_ = false;
    QWidget* partner_ = nullptr;
};

} // namespace kaven::ui
