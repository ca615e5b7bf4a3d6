// "O nás": the main window goes to the taskbar while the About box is shown; closing the box, by
// "OK" or otherwise, brings the main window back. The link opens the maker's page.

#include "AppFakes.h"
#include "WindowFixture.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

class AboutBoxTest : public WindowFixture {
protected:
  void SetUp() override {
    WindowFixture::SetUp();
    Box = std::make_unique<TAboutBox>(Window.get(), Urls);
    Window->SetAboutBox(Box.get());
  }
  void TearDown() override {
    Box.reset();
    WindowFixture::TearDown();
  }
  bool Minimised() const { return Window->windowState().testFlag(Qt::WindowMinimized); }

  std::shared_ptr<TRecordingUrlOpener> Urls = std::make_shared<TRecordingUrlOpener>();
  std::unique_ptr<TAboutBox> Box;
};

TEST_F(AboutBoxTest, BoxShowsTheProgramAndItsMaker) {
  EXPECT_EQ(Box->objectName(), "AboutBox");
  EXPECT_EQ(Box->windowTitle(), "Výrobce - www.zuduvaro.cz");
  EXPECT_FALSE(Box->isVisible()) << "created hidden";
  EXPECT_EQ(Box->size(), QSize(248, 207));
  EXPECT_EQ(Box->minimumSize(), Box->maximumSize());
  EXPECT_TRUE(Box->windowFlags().testFlag(Qt::Tool));
  EXPECT_EQ(Box->ProductName->text(), "ZUDUVaro");
  EXPECT_EQ(Box->Version->text(), "Verze 1.1 - Dororede");
  EXPECT_EQ(Box->Comments->text(), "VORNA generátor čísel");
  EXPECT_FALSE(Box->ProgramIcon->pixmap().isNull());
  EXPECT_EQ(Box->ProgramIcon->size(), QSize(48, 48));
  EXPECT_EQ(Box->SmallIcon->size(), QSize(32, 32));
  EXPECT_EQ(Box->WebLabel->text(), "www.zuduvaro.cz");
  EXPECT_EQ(Box->WebLabel->font().pixelSize(), 19);
  EXPECT_TRUE(Box->WebLabel->font().bold());
  EXPECT_EQ(Box->OKButton->text(), "OK");
  EXPECT_TRUE(Box->OKButton->isDefault());
}

TEST_F(AboutBoxTest, OnasMinimisesAndOkRestores) {
  Window->onas->trigger();
  EXPECT_TRUE(Minimised());
  EXPECT_TRUE(Box->isVisible());
  EXPECT_EQ(Box->windowModality(), Qt::ApplicationModal);

  QTest::mouseClick(Box->OKButton, Qt::LeftButton);
  EXPECT_FALSE(Box->isVisible());
  EXPECT_FALSE(Minimised());
  EXPECT_TRUE(Window->isVisible());
}

TEST_F(AboutBoxTest, EnterAndEscapeCloseTheBoxAndRestoreTheWindow) {
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
    Window->onasClick();
    ASSERT_TRUE(Minimised());
    QTest::keyClick(Box.get(), key);
    EXPECT_FALSE(Box->isVisible()) << key;
    EXPECT_FALSE(Minimised()) << key;
  }
}

TEST_F(AboutBoxTest, LinkOpensTheMakersPageAndTurnsRedWhenHovered) {
  TWebLabel *link = Box->WebLabel;
  EXPECT_TRUE(link->styleSheet().contains("0, 0, 255"));
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QCoreApplication::sendEvent(link, &enter);
  EXPECT_TRUE(link->Hovered());
  EXPECT_TRUE(link->styleSheet().contains("255, 0, 0"));
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(link, &leave);
  EXPECT_FALSE(link->Hovered());

  QTest::mouseClick(link, Qt::LeftButton);
  ASSERT_EQ(Urls->Urls.size(), 1u);
  EXPECT_EQ(Urls->Urls[0], QUrl("https://www.zuduvaro.cz/ZUDUVaro-Dororede"));
}
