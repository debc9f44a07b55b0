#pragma once

#include "core/app/ModelSelection.h"

#include <QDialog>

class QComboBox;

namespace qtr {
class HelpViewer;
class Workspace;
} // namespace qtr

namespace qtr::gui {

// Chooses the radio model and its number of channels; OK rebuilds the image for the
// new model after asking, Cancel puts the image back as it was.
class ModelInformationDialog : public QDialog {
    Q_OBJECT
public:
    ModelInformationDialog(Workspace& app, HelpViewer& help, QWidget* parent = nullptr);

    QComboBox* ModelList() const { return models_; }
    QComboBox* ChannelList() const { return channels_; }

public slots:
    void accept() override;
    void reject() override;

private:
    void FillChannelList();
    void ModelChosen(int index);

    ModelSelection selection_;
    QComboBox* models_;
    QComboBox* channels_;
};

} // namespace qtr::gui
