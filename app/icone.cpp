#include "app/icone.h"

QIcon iconeBelvane() {
    QIcon icone;
    for (const int cote : {16, 32, 48, 64, 128, 256}) icone.addFile(QString(":/icone/%1.png").arg(cote));
    return icone;
}
