#include "toolkit/Form.h"

#include "toolkit/Application.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

const QRgb Red = qRgb(255, 0, 0);

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// Counts its handlers; its paint handler fills the window with a green box.
struct CountingForm : TForm {
    int paints = 0;
    int resizes = 0;
    CountingForm() : TForm(40, 40, 200, 120, "counting", clWhite) {}
    void FormPaint() override
    {
        ++paints;
        FormCanvas().SetPenColor(0x00FF00);
        FormCanvas().SetBrushColor(0x00FF00);
        FormCanvas().Rectangle(0, 0, 200, 120);
        Present();
    }
    void FormResize() override { ++resizes; }
};

void DrawRedBox(TForm& form)
{
    form.FormCanvas().SetPenColor(clRed);
    form.FormCanvas().SetBrushColor(clRed);
    form.FormCanvas().Rectangle(10, 10, 50, 50);
    form.Present();
}

TEST(DrawingModel, PictureDrawnBeforeShowingSurvivesItsFirstExposure)
{
    CountingForm form;
    DrawRedBox(form);
    EXPECT_TRUE(form.PictureIsPending());
    form.Show();
    Settle();
    EXPECT_EQ(form.paints, 0);
    EXPECT_FALSE(form.PictureIsPending());
    EXPECT_EQ(form.Picture().pixel(20, 20), Red);
}

TEST(DrawingModel, SystemPaintRunsThePaintHandler)
{
    CountingForm form;
    form.Show();
    Settle();
    EXPECT_GE(form.paints, 1);
    EXPECT_EQ(form.Picture().pixel(20, 20), qRgb(0, 255, 0));
    // The program's own drawing goes to the screen without the paint handler.
    const int before = form.paints;
    DrawRedBox(form);
    EXPECT_FALSE(form.PictureIsPending());  // repainted synchronously
    Settle();
    EXPECT_EQ(form.paints, before);
    EXPECT_EQ(form.Picture().pixel(20, 20), Red);
}

TEST(DrawingModel, ResizeRunsResizeAndPaintHandlers)
{
    CountingForm form;
    form.Show();
    Settle();
    const int paints = form.paints;
    const int resizes = form.resizes;
    form.resize(260, 150);  // the client size: the frame comes on top
    Settle();
    const QSize outer = form.frameGeometry().size();
    EXPECT_EQ(form.Width(), outer.width());
    EXPECT_EQ(form.Height(), outer.height());
    EXPECT_GE(form.Width(), 260);
    EXPECT_EQ(form.Picture().size(), outer);
    EXPECT_GT(form.resizes, resizes);
    EXPECT_GT(form.paints, paints);
}

// Its paint handler draws on itself and on another form.
struct PaintsTwoForms : TForm {
    TForm& other;
    explicit PaintsTwoForms(TForm& other) : TForm(300, 40, 200, 120, "painter", clWhite), other(other) {}
    void FormPaint() override
    {
        DrawRedBox(*this);
        DrawRedBox(other);
    }
};

QStringList warnings;
void CollectWarnings(QtMsgType, const QMessageLogContext&, const QString& message) { warnings << message; }

TEST(DrawingModel, DrawingInsideAPaintHandlerIsNotARecursiveRepaint)
{
    TForm other(600, 40, 200, 120, "other", clWhite);
    other.Show();
    PaintsTwoForms form(other);
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(CollectWarnings);
    form.Show();
    Settle();
    form.repaint();  // a paint request of the system's kind
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.filter("ecursive").isEmpty()) << warnings.join("\n").toStdString();
    EXPECT_EQ(form.Picture().pixel(20, 20), Red);
    EXPECT_EQ(other.Picture().pixel(20, 20), Red);
    EXPECT_FALSE(form.PictureIsPending());
    EXPECT_FALSE(other.PictureIsPending());
}

TEST(DrawingModel, OuterBoundsAreTheDocumentedOnes)
{
    TForm form(272, 202, 752, 171, "bounds", clWhite);
    EXPECT_EQ(form.Left(), 272);
    EXPECT_EQ(form.Top(), 202);
    EXPECT_EQ(form.Width(), 752);
    EXPECT_EQ(form.Height(), 171);
    form.Show();
    Settle();
    EXPECT_EQ(form.Width(), 752);
    EXPECT_EQ(form.frameGeometry(), QRect(272, 202, 752, 171));
    EXPECT_EQ(form.Caption(), "bounds");
}

}  // namespace
