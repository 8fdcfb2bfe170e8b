#pragma once

#include <QString>
#include <memory>

class QApplication;

// Starts the toolkit of the window on the desktop's display. Without a
// display the toolkit would abort the process; instead the user reads why
// in French on standard error and the process ends with status 1.
namespace DisplayStart {

// The application object; does not return when no display can be used.
std::unique_ptr<QApplication> open(int &argc, char **argv);

// "Aucun affichage graphique n'est disponible : " and the reason, from the
// environment the program was started with.
QString noDisplayMessage();

} // namespace DisplayStart
