#pragma once

#include <QObject>

class Main;

// The log list of the main window and the buttons that edit the log.
class Edition_QSO : public QObject {
    Q_OBJECT

public:
    explicit Edition_QSO(Main& main);

    // Runs on a click and whenever the program selects a line.
    void Liste_TORV_Click(int ligne);

private:
    Main& main;
};
