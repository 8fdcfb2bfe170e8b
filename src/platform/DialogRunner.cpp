#include "DialogRunner.h"

#include <QDialog>

int ModalDialogRunner::run(QDialog &dialog)
{
    return dialog.exec();
}
