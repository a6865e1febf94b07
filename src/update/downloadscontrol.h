#pragma once

#include <QWidget>

class QLabel;
struct WindowContext;

// A small control with one label naming the maker's web site; a click on it
// checks for a newer catalogue.
class DownloadsControl : public QWidget
{
    Q_OBJECT

public:
    explicit DownloadsControl(QWidget *parent = nullptr);

    void attach(WindowContext &context);

private:
    QLabel *m_label;
    WindowContext *m_context = nullptr;
};
