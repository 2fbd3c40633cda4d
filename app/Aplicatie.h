#pragma once

#include <QApplication>

// The application object: title "Certaliv" and the one general error display. An exception that
// escapes an event handler is shown with its message; the window stays as it was.
class TAplicatie : public QApplication {
public:
    TAplicatie(int& argc, char** argv);

    bool notify(QObject* destinatar, QEvent* eveniment) override;
};

// Shows an exception's message to the user.
void AfiseazaEroare(const std::exception& e);
