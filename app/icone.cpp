#include "app/icone.h"

// The pictures live in a library of their own; naming them here also makes
// the linker keep them, as nothing else refers to them.
static void chargerRessourcesIcone() { Q_INIT_RESOURCE(icone); }

QIcon iconeBelvane() {
    chargerRessourcesIcone();
    QIcon icone;
    for (const int cote : {16, 32, 48, 64, 128, 256}) icone.addFile(QString(":/icone/%1.png").arg(cote));
    return icone;
}
