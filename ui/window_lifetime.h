#pragma once
// Ends the program once none of its windows is open. Qt's own last-window
// rule does not see the frameless about window, which must keep the program
// alive after the main window has been closed, so the game counts for itself.

#include <QObject>

#include <functional>

class WindowLifetime : public QObject {
    Q_OBJECT

public:
    // `quit` runs once, when the last window of the program has closed.
    explicit WindowLifetime(std::function<void()> quit, QObject* parent = nullptr);

    static bool anyWindowOpen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void quitIfNoWindowOpen();

    std::function<void()> quit_;
    bool quitting_ = false;
};
