#pragma once

#include <QLabel>

// A one-line label that gives way when the window is short of room, instead of
// widening it: it shows as much of its text as fits, with "…" where the rest was
// cut, and the whole text as its tool tip. text() and the accessible name always
// hold the whole text.
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    QSize minimumSizeHint() const override;
    bool isElided() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString shownText() const;
};
