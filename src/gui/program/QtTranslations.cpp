#include "gui/program/QtTranslations.h"

#include "core/app/Workspace.h"
#include "core/base/TranslationLocale.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace qtr::gui {

QtTranslations::QtTranslations(Workspace& app) : app_(app)
{
    // Before the windows are made again, so that they come back in the new language.
    notices_ = app_.state.notices.Subscribe([this](const ImageNotice& notice) {
        if (notice.reason == ImageReason::LanguageChange && notice.kind == ImageNotice::Kind::Replacing)
            FollowLanguage();
    });
}

QtTranslations::~QtTranslations()
{
    QCoreApplication::removeTranslator(&translator_);
}

void QtTranslations::FollowLanguage()
{
    QCoreApplication::removeTranslator(&translator_);
    const auto locale = TranslationLocale(app_.language);
    if (locale && translator_.load("qtbase_" + QString::fromStdString(*locale),
                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator_);
}

} // namespace qtr::gui
