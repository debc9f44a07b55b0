#pragma once

#include <QWidget>

namespace qtr::gui {

// A drawing of the hand-held radio from its left side, with the two programmable side
// keys PF1 and PF2; the key being assigned is highlighted.
class RadioKeysPicture : public QWidget {
    Q_OBJECT
public:
    enum class Key { Pf1, Pf2 };

    explicit RadioKeysPicture(QWidget* parent = nullptr);

    Key Highlighted() const { return highlighted_; }
    void Highlight(Key key);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawBody(QPainter& painter) const;
    void DrawKey(QPainter& painter, Key key, const QRectF& shape, const QString& name) const;

    Key highlighted_ = Key::Pf1;
};

} // namespace qtr::gui
