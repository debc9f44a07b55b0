#pragma once

#include "core/app/ClientBackground.h"

#include <QMdiArea>
#include <QPixmap>

namespace qtr {
class SettingsStore;
}

namespace qtr::gui {

// The main window's client area: it holds the editor windows and paints the background
// that the "MDIClient" settings describe, reading them when it is made and writing them
// back when it goes.
class MdiClientArea : public QMdiArea {
    Q_OBJECT
public:
    MdiClientArea(SettingsStore& settings, QWidget* parent = nullptr);
    ~MdiClientArea() override;

    // The colour behind and around the picture.
    QColor BackgroundColour() const;
    const QPixmap& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap LoadPicture() const;
    QPixmap BuiltInPicture() const;

    SettingsStore& settings_;
    ClientBackground background_;
    QPixmap picture_;
};

} // namespace qtr::gui
