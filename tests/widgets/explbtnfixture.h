// A shown form with explorer buttons on it, and the pointer moves and clicks
// that drive them the way the window system does.
#pragma once

#include "widgets/explbtn.h"

#include <QCursor>
#include <QTest>
#include <gtest/gtest.h>

class ExplorerButtonForm : public ::testing::Test
{
protected:
    using TExplorerButton = velmora::widgets::TExplorerButton;

    void SetUp() override
    {
        form.resize(320, 200);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        PointerToForm(QPoint(300, 190));
    }

    // The windows' 11-pixel sans-serif font and a plain background; without
    // antialiasing text pixels have exactly the pen's colour.
    void StyleForm(velmora::widgets::TColor background, bool antialiased)
    {
        QFont font("DejaVu Sans");
        font.setPixelSize(11);
        if (!antialiased) {
            font.setStyleStrategy(QFont::NoAntialias);
        }
        form.setFont(font);
        QPalette palette = form.palette();
        palette.setColor(QPalette::Window, velmora::widgets::ToQColor(background));
        form.setPalette(palette);
        form.setAutoFillBackground(true);
    }

    // The form as it shows B with a margin around it, parent background included.
    QImage Shot(TExplorerButton* b, int margin = 0)
    {
        QImage image(form.size(), QImage::Format_RGB32);
        form.render(&image);
        return image.copy(b->geometry().adjusted(-margin, -margin, margin, margin));
    }

    TExplorerButton* AddButton(const QRect& bounds, const QString& caption = QString())
    {
        auto* button = new TExplorerButton(&form);
        button->setGeometry(bounds);
        button->SetCaption(caption);
        button->show();
        return button;
    }

    // Moves the pointer; the window system sends the enter and leave notifications.
    void PointerTo(QWidget* widget, QPoint pos)
    {
        QCursor::setPos(widget->mapToGlobal(pos));
        QCoreApplication::processEvents();
    }
    void PointerToForm(QPoint pos) { PointerTo(&form, pos); }

    // Moves the pointer while B holds the press's grab: the moves go to B only,
    // and the window system sends no enter or leave notifications.
    void DragTo(TExplorerButton* b, QPoint pos)
    {
        QCursor::setPos(b->mapToGlobal(pos));
        QTest::mouseMove(b, pos);
    }
    void DragToForm(TExplorerButton* b, QPoint pos) { DragTo(b, b->mapFrom(&form, pos)); }

    void Press(TExplorerButton* b, QPoint pos = QPoint(10, 10))
    {
        PointerTo(b, pos);
        QTest::mousePress(b, Qt::LeftButton, {}, pos);
    }
    void Release(TExplorerButton* b, QPoint pos = QPoint(10, 10))
    {
        QTest::mouseRelease(b, Qt::LeftButton, {}, pos);
    }
    void Click(TExplorerButton* b, QPoint pos = QPoint(10, 10))
    {
        Press(b, pos);
        Release(b, pos);
    }

    QWidget form;
};
