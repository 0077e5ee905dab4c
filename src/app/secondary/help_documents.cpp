#include "app/secondary/help_documents.h"

namespace staffel::app {

QString hilfeDokument(const QString& deutscheRessource, Sprache sprache) {
    const QString deutsch = QStringLiteral(":/hilfe/");
    if (sprache == Sprache::Deutsch || !deutscheRessource.startsWith(deutsch)) {
        return deutscheRessource;
    }
    return QStringLiteral(":/hilfe/en/") + deutscheRessource.mid(deutsch.size());
}

}  // namespace staffel::app
