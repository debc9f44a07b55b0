#pragma once

#include "core/base/ImageNotifier.h"

#include <QTranslator>

namespace qtr {
class Workspace;
}

namespace qtr::gui {

// Qt's own texts (the file dialogs, the edit fields' context menus, the print dialogs) in
// the program's language, from the translations that come with Qt: loaded at start-up and
// again after a language change. Without a translation file Qt's texts stay English.
class QtTranslations {
public:
    explicit QtTranslations(Workspace& app);
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // The translation of the program's current language in place of the previous one.
    void FollowLanguage();

private:
    Workspace& app_;
    QTranslator translator_;
    ImageNotifier::Subscription notices_;
};

} // namespace qtr::gui
