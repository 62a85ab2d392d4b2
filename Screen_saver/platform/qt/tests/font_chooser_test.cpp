// The font chooser the options dialog opens for the hours: face, size and colour, opened on
// what it is given, driven here as a user would through the system service.

#include "font_chooser.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <optional>

#include "model/font.h"
#include "qt_fixture.h"

namespace hc::qt {
namespace {

class FontChooserTest : public QtFixture {
 protected:
  // Asks for a font and lets `user` act in the chooser once it is shown.
  std::optional<FontChoice> Ask(const FontChoice& initial,
                                const std::function<void(FontChooser&)>& user) {
    QTimer answer;
    answer.callOnTimeout([&] {
      auto* chooser = dynamic_cast<FontChooser*>(QApplication::activeModalWidget());
      if (!chooser) return;
      answer.stop();
      user(*chooser);
      // What the user left open is closed as cancelled.
      if (chooser->isVisible()) chooser->reject();
    });
    answer.start(1);
    return app.GetSystem().AskFont(initial);
  }
  template <class W>
  static W& Part(FontChooser& chooser, const char* name) {
    W* part = chooser.findChild<W*>(name);
    EXPECT_NE(part, nullptr) << name;
    return *part;
  }
  static void Pick(QListWidget& list, const QString& text) {
    const auto found = list.findItems(text, Qt::MatchFixedString);
    ASSERT_FALSE(found.isEmpty()) << text.toStdString();
    list.scrollToItem(found.front());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(found.front()).center());
  }
};

TEST_F(FontChooserTest, OpensOnWhatItIsGivenAndKeepsAFaceThatIsNotInstalled) {
  const FontChoice given{"Tahoma", 30, Rgb(255, 0, 0)};
  const bool installed = QFontDatabase::hasFamily("Tahoma");
  const auto chosen = Ask(given, [&](FontChooser& c) {
    EXPECT_EQ(Part<QLineEdit>(c, "face").text(), "Tahoma");
    EXPECT_EQ(Part<QLineEdit>(c, "size").text(), "30");
    EXPECT_EQ(Part<QComboBox>(c, "colour").currentData().toUInt(), given.color);
    EXPECT_EQ(Part<QComboBox>(c, "colour").count(), 16) << "red is one of the sixteen";
    if (!installed) {
      EXPECT_TRUE(Part<QListWidget>(c, "faces").selectedItems().isEmpty());
    }
    // Moving through the dialog picks nothing by itself.
    for (int i = 0; i < 2; ++i)
      QTest::keyClick(c.focusWidget() ? c.focusWidget() : &c, Qt::Key_Tab);
    QTest::keyClick(c.focusWidget() ? c.focusWidget() : &c, Qt::Key_Return);
  });
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->name, "Tahoma");
  EXPECT_EQ(chosen->size, EffectiveFontSize(30));
  EXPECT_EQ(chosen->color, given.color);
}

TEST_F(FontChooserTest, AFaceASizeAndAColourChosenAreTheAnswer) {
  ASSERT_TRUE(QFontDatabase::hasFamily("DejaVu Sans"));
  const auto chosen = Ask({"Tahoma", 30, Rgb(255, 0, 0)}, [&](FontChooser& c) {
    auto& face = Part<QLineEdit>(c, "face");
    auto& faces = Part<QListWidget>(c, "faces");
    // Typing goes ahead in the list without changing what was typed.
    face.selectAll();
    QTest::keyClicks(&face, "dejavu sans m");
    ASSERT_NE(faces.currentItem(), nullptr);
    EXPECT_TRUE(faces.currentItem()->text().startsWith("DejaVu Sans Mono"));
    EXPECT_EQ(face.text(), "dejavu sans m");
    Pick(faces, "DejaVu Sans");
    EXPECT_EQ(face.text(), "DejaVu Sans");
    Pick(Part<QListWidget>(c, "sizes"), "20");
    EXPECT_EQ(Part<QLineEdit>(c, "size").text(), "20");
    auto& colour = Part<QComboBox>(c, "colour");
    colour.setCurrentIndex(colour.findText("Lime"));
    EXPECT_EQ(c.findChild<QLabel*>("sample")->palette().color(QPalette::WindowText),
              QColor(0, 255, 0))
        << "the sample shows the choice";
    Part<QPushButton>(c, "ok").click();
  });
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->name, "DejaVu Sans");
  EXPECT_EQ(chosen->size, EffectiveFontSize(20));
  EXPECT_EQ(chosen->color, Rgb(0, 255, 0));
}

TEST_F(FontChooserTest, CancelAndASizeThatIsNoNumberChooseNothing) {
  const auto cancelled = Ask({"Tahoma", 30, Rgb(1, 2, 3)}, [&](FontChooser& c) {
    auto& colour = Part<QComboBox>(c, "colour");
    EXPECT_EQ(colour.count(), 17) << "a colour that is none of the sixteen is offered too";
    EXPECT_EQ(colour.currentData().toUInt(), Rgb(1, 2, 3));
    auto& size = Part<QLineEdit>(c, "size");
    size.selectAll();
    QTest::keyClicks(&size, "big");
    EXPECT_FALSE(Part<QPushButton>(c, "ok").isEnabled());
    QTest::keyClick(&size, Qt::Key_Return);
    EXPECT_TRUE(c.isVisible()) << "Enter with no size is no choice";
    QTest::keyClick(&size, Qt::Key_Escape);
  });
  EXPECT_FALSE(cancelled);
}

TEST_F(FontChooserTest, CaptionsFollowTheDialogsLanguage) {
  struct Case {
    DialogLanguage language;
    const char* title;
    const char* cancel;
  };
  for (const Case& k : {Case{DialogLanguage::kRussian, "Шрифт", "Отмена"},
                        Case{DialogLanguage::kEnglish, "Font", "Cancel"}}) {
    app.GetSystem().SetDialogLanguage(k.language);
    QString title, cancel;
    Ask({"Tahoma", 30, 0}, [&](FontChooser& c) {
      title = c.windowTitle();
      cancel = Part<QPushButton>(c, "cancel").text();
    });
    EXPECT_EQ(title, QString::fromUtf8(k.title));
    EXPECT_EQ(cancel, QString::fromUtf8(k.cancel));
  }
}

}  // namespace
}  // namespace hc::qt
