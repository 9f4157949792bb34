// Renders every look of a few typical buttons into PNG sheets under the build
// folder (gallery/), one sheet per button with its looks side by side, at
// natural size and enlarged three times, for a person to look at.
#include "tests/widgets/explbtnfixture.h"
#include "widgets/imageops.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QMenu>
#include <QPainter>
#include <QTimer>

using namespace velmora::widgets;

namespace {

// A 16 x 16 folder: black outline, yellow body, magenta key colour around it.
TBitmap FolderImage()
{
    TBitmap image(16, 16);
    image.Fill(RGB(255, 0, 255));
    for (int y = 4; y < 14; ++y) {
        for (int x = 1; x < 15; ++x) {
            image.SetPixel(x, y,
                           (y == 4 || y == 13 || x == 1 || x == 14) ? clBlack : RGB(255, 220, 0));
        }
    }
    for (int x = 2; x < 7; ++x) {
        image.SetPixel(x, 3, clBlack);
    }
    return image;
}

struct Look
{
    const char* name;
    std::function<void(TExplorerButton*)> set;
    std::function<void(TExplorerButton*)> reset;
};

} // namespace

class ExplorerButtonGallery : public ExplorerButtonForm
{
protected:
    void SetUp() override
    {
        StyleForm(clBtnFace, true);
        ExplorerButtonForm::SetUp();
        ASSERT_TRUE(QDir().mkpath(VELMORA_GALLERY_DIR));
    }

    // The pressed look of a drop-down button exists only while its menu is open.
    QImage PressedShot(TExplorerButton* b)
    {
        QImage shot;
        const QPoint at(b->width() / 2, b->height() / 2);
        if (b->DropDownMenu()) {
            QTimer::singleShot(20, [&] {
                shot = Shot(b, 4);
                QApplication::activePopupWidget()->close();
            });
            Press(b, at);
        } else {
            Press(b, at);
            shot = Shot(b, 4);
        }
        Release(b, at);
        return shot;
    }

    std::vector<Look> Looks()
    {
        const auto hover = [this](TExplorerButton* b) { PointerTo(b, b->rect().center()); };
        const auto away = [this](TExplorerButton*) { PointerToForm(QPoint(310, 195)); };
        const auto down = [](TExplorerButton* b) {
            b->SetGroupIndex(99);
            b->SetDown(true);
        };
        const auto up = [](TExplorerButton* b) { b->SetGroupIndex(0); };
        return {
            {"normal", {}, {}},
            {"hot", hover, away},
            {"pressed", {}, {}},
            {"down", down, up},
            {"down hot", [=](TExplorerButton* b) { down(b), hover(b); },
             [=](TExplorerButton* b) { up(b), away(b); }},
            {"disabled", [](TExplorerButton* b) { b->SetEnabled(false); },
             [](TExplorerButton* b) { b->SetEnabled(true); }},
            {"disabled down", [=](TExplorerButton* b) { down(b), b->SetEnabled(false); },
             [=](TExplorerButton* b) { b->SetEnabled(true), up(b); }},
        };
    }

    // Writes NAME.png and NAME-x3.png; answers the looks' shots.
    std::vector<QImage> RenderSheet(TExplorerButton* b, const QString& name)
    {
        std::vector<QImage> shots;
        for (const Look& look : Looks()) {
            if (look.set) {
                look.set(b);
            }
            shots.push_back(std::string(look.name) == "pressed" ? PressedShot(b) : Shot(b, 4));
            if (look.reset) {
                look.reset(b);
            }
        }
        const int cellWidth = std::max(shots[0].width(), 84), labelHeight = 14;
        QImage sheet(cellWidth * int(shots.size()), shots[0].height() + labelHeight,
                     QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter p(&sheet);
        QFont font = p.font();
        font.setPixelSize(10);
        p.setFont(font);
        const std::vector<Look> looks = Looks();
        for (std::size_t i = 0; i < shots.size(); ++i) {
            const int left = cellWidth * int(i);
            p.drawText(QRect(left, 0, cellWidth, labelHeight), Qt::AlignCenter, looks[i].name);
            p.drawImage(left, labelHeight, shots[i]);
        }
        p.end();
        const QString base = QString(VELMORA_GALLERY_DIR) + "/" + name;
        EXPECT_TRUE(sheet.save(base + ".png"));
        EXPECT_TRUE(sheet.scaled(sheet.size() * 3).save(base + "-x3.png"));
        return shots;
    }
};

TEST_F(ExplorerButtonGallery, RendersEveryLookOfTheTypicalButtons)
{
    const TBitmap folder = FolderImage();
    TBitmap grey;
    TBitmap source(folder);
    MakeGreyImage(grey, source, stMedium);
    QBuffer stored;
    stored.open(QIODevice::ReadWrite);
    ASSERT_TRUE(grey.SaveToStream(stored));

    QMenu menu;
    menu.addAction("About");

    struct Sample
    {
        QString name, caption;
        QSize size;
        std::function<void(TExplorerButton*)> setUp;
    };
    const std::vector<Sample> samples = {
        {"caption", "&Encode", {89, 25}, {}},
        {"dropdown",
         "      &System  ",
         {89, 25},
         [&](TExplorerButton* b) { b->SetDropDownMenu(&menu); }},
        {"image-top",
         "&Browse",
         {64, 44},
         [&](TExplorerButton* b) {
             b->SetBitmap(folder);
             stored.seek(0);
             ASSERT_TRUE(b->ReadIBitmap(stored));
         }},
        {"image-left-lowered",
         "Dec&ode list",
         {110, 28},
         [&](TExplorerButton* b) {
             b->SetBitmap(folder);
             b->SetLayout(blBitmapLeft);
             b->SetBevelStyle(bsLowered);
             b->SetOptions(b->Options().Without(boMonoDisplay));
         }},
        {"icon-dropdown",
         "&Folders",
         {40, 28},
         [&](TExplorerButton* b) {
             b->SetBitmap(folder);
             b->SetOptions(b->Options().With(boIconOnly));
             b->SetDropDownMenu(&menu);
         }},
        {"word-wrap",
         "Encode the whole list now",
         {70, 44},
         [&](TExplorerButton* b) { b->SetWordWrap(true); }},
    };
    for (const Sample& sample : samples) {
        TExplorerButton* b = AddButton(QRect(QPoint(30, 30), sample.size), sample.caption);
        b->SetFontColor(clHighlight);
        if (sample.setUp) {
            sample.setUp(b);
        }
        const std::vector<QImage> shots = RenderSheet(b, sample.name);
        ASSERT_EQ(shots.size(), 7u);
        EXPECT_NE(shots[0], shots[1]) << qPrintable(sample.name) << ": normal and hot alike";
        EXPECT_NE(shots[1], shots[2]) << qPrintable(sample.name) << ": hot and pressed alike";
        EXPECT_NE(shots[0], shots[5]) << qPrintable(sample.name) << ": normal and disabled alike";
        EXPECT_TRUE(QFile::exists(QString(VELMORA_GALLERY_DIR) + "/" + sample.name + ".png"));
        delete b;
    }
}
