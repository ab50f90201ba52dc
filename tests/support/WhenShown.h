#pragma once
// Acts on a toolkit dialog once it is on screen: polls the top-level widgets from the
// event loop (the one the dialog's own run turns) and hands the first visible widget of
// type T to act, once. For the real message box, file chooser and colour chooser.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

template <class T> void WhenShown(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* found = qobject_cast<T*>(widget);
            if (found && found->isVisible()) {
                timer->stop();
                timer->deleteLater();
                act(found);
                return;
            }
        }
    });
    timer->start();
}
