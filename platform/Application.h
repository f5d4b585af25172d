#pragma once
// The application object. An error that leaves an event handler ends that
// handler and is shown in an error box here; Qt never sees an exception.
#include <QApplication>

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The title the user sees for the program ("くらろん！").
    static QString Title() { return QStringLiteral("くらろん！"); }
};
