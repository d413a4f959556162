// gLabels' template files, read from small files of our own.
#include "labels/sheets/sheet_database.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sheets;

namespace {

const QByteArray kPapers = R"(<?xml version="1.0"?>
<Glabels-paper-sizes>
  <Paper-size id="A4" _name="A4" width="210mm" height="297mm"/>
  <Paper-size id="US-Letter" _name="US Letter" width="8.5in" height="11in"/>
</Glabels-paper-sizes>)";

TemplateFile Read(const QByteArray& body) {
    return ReadTemplateFile("<?xml version=\"1.0\"?>\n<Glabels-templates>\n" + body +
                                "\n</Glabels-templates>",
                            ReadPaperSizes(kPapers), QStringLiteral("test-templates.xml"));
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(SheetTemplates, EveryUnitOfTheFilesIsMillimetres) {
    EXPECT_DOUBLE_EQ(*ParseLength(u"12.5mm"), 12.5);
    EXPECT_DOUBLE_EQ(*ParseLength(u"1.5cm"), 15);
    EXPECT_DOUBLE_EQ(*ParseLength(u"0.5in"), 12.7);
    EXPECT_DOUBLE_EQ(*ParseLength(u"72pt"), 25.4);
    EXPECT_DOUBLE_EQ(*ParseLength(u"6pc"), 25.4);
    // A bare number is in points, as gLabels reads it.
    EXPECT_DOUBLE_EQ(*ParseLength(u"36"), 12.7);
    EXPECT_DOUBLE_EQ(*ParseLength(u" 2 mm "), 2);
    for (const char16_t* bad :
         {u"", u"mm", u"12 furlongs", u"1e999mm", u"nanmm", u"1e300in", u"10.1m", u"20000mm"})
        EXPECT_FALSE(ParseLength(bad)) << QString::fromUtf16(bad).toStdString();
}

TEST(SheetTemplates, ARectangleSheetInInchesAndADiscSheet) {
    const TemplateFile file = Read(R"(
  <Template brand="Acme" part="R-21" size="US-Letter" _description="Address labels">
    <Meta category="label"/>
    <Label-rectangle id="0" width="2.625in" height="1in" round="0.0625in">
      <Markup-margin size="0.0625in"/>
      <Layout nx="3" ny="10" x0="0.1875in" y0="0.5in" dx="2.75in" dy="1in"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="CD-2" size="A4" description="CD labels">
    <Label-cd id="0" radius="58.7mm" hole="20.6mm" waste="3.175mm">
      <Layout nx="1" ny="2" x0="46mm" y0="21.8mm" dx="123.75mm" dy="137mm"/>
    </Label-cd>
  </Template>)");
    ASSERT_EQ(file.entries.size(), 2u);
    EXPECT_TRUE(file.refusals.empty());
    const SheetTemplate& r = file.entries[0].sheet;
    EXPECT_EQ(r.Name(), "Acme R-21");
    EXPECT_EQ(r.description, "Address labels");
    EXPECT_DOUBLE_EQ(r.width, 66.675);
    EXPECT_DOUBLE_EQ(r.horizontalPitch, 69.85);
    EXPECT_EQ(r.columns, 3);
    EXPECT_EQ(r.rows, 10);
    EXPECT_DOUBLE_EQ(r.paperWidth, 215.9);
    const SheetTemplate& cd = file.entries[1].sheet;
    EXPECT_EQ(cd.shape, SheetTemplate::Shape::Disc);
    EXPECT_DOUBLE_EQ(cd.width, 117.4);
    EXPECT_EQ(cd.SizeText(), QStringLiteral("Ø 117.4 mm"));
    EXPECT_EQ(cd.description, "CD labels");
    // Stored in whole millimetres: 21.8 becomes 22 and the second row lands 0.2 mm lower.
    EXPECT_EQ(ToFormMargins(cd), (FormMargins{46, 22, 124, 137, 1, 2, 1}));
    EXPECT_NEAR(RoundingError(cd), 0.2, 1e-9);
}

TEST(SheetTemplates, WhatIsNotOneGridIsRefusedWithItsReason) {
    const TemplateFile file = Read(R"(
  <Template brand="Acme" part="TWO" size="A4" _description="Two blocks">
    <Label-rectangle id="0" width="50mm" height="20mm">
      <Layout nx="2" ny="5" x0="10mm" y0="10mm" dx="60mm" dy="25mm"/>
      <Layout nx="1" ny="3" x0="10mm" y0="200mm" dx="0" dy="25mm"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="TAPE" size="Other" width="62mm" height="100mm">
    <Label-continuous id="0" width="62mm"/>
  </Template>
  <Template brand="Acme" part="NONE" size="A4"/>
  <Template brand="Acme" part="BAD" size="A4">
    <Label-round id="0" radius="far">
      <Layout nx="0" ny="1" x0="1mm" y0="1mm"/>
    </Label-round>
  </Template>
  <Template brand="Acme" part="OK" size="Other" width="4in" height="6in">
    <Label-ellipse id="0" width="3in" height="2in">
      <Layout nx="1" ny="2" x0="0.5in" y0="1in" dy="3in"/>
    </Label-ellipse>
  </Template>)");
    ASSERT_EQ(file.refusals.size(), 4u);
    EXPECT_EQ(file.refusals[0].name, "Acme TWO");
    EXPECT_TRUE(file.refusals[0].reason.contains("several layouts"));
    EXPECT_TRUE(file.refusals[1].reason.contains("continuous"));
    EXPECT_TRUE(file.refusals[2].reason.contains("no label"));
    EXPECT_TRUE(file.refusals[3].reason.contains("radius"));
    // The template after the refused ones is read as usual: a single column needs no dx.
    ASSERT_EQ(file.entries.size(), 1u);
    EXPECT_EQ(file.entries[0].sheet.part, "OK");
    EXPECT_DOUBLE_EQ(file.entries[0].sheet.paperHeight, 152.4);
    EXPECT_DOUBLE_EQ(file.entries[0].sheet.horizontalPitch, 0);
}

TEST(SheetTemplates, ADamagedFileKeepsWhatCameBeforeTheDamage) {
    const TemplateFile file = Read(R"(
  <Template brand="Acme" part="GOOD" size="A4">
    <Label-rectangle id="0" width="70mm" height="37mm">
      <Layout nx="3" ny="8" x0="0mm" y0="0.5mm" dx="70mm" dy="37mm"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="CUT" size="A4">
    <Label-rectangle id="0" width="70mm" height="37mm">
      <Layout nx="3" ny="8" x0="0mm" y0="0.5mm" dx="70mm" dy="37mm"
  )");
    ASSERT_EQ(file.entries.size(), 1u);
    EXPECT_EQ(file.entries[0].sheet.part, "GOOD");
    ASSERT_EQ(file.refusals.size(), 1u);
    EXPECT_EQ(file.refusals[0].name, "test-templates.xml");
    EXPECT_TRUE(file.refusals[0].reason.startsWith("damaged at line"))
        << file.refusals[0].reason.toStdString();
    EXPECT_TRUE(Read("<<<not xml").entries.empty());
}

// Equivs resolve across files and through chains; a later folder's product wins; the search
// matches every word.
TEST(SheetTemplates, TheDatabaseOverFolders) {
    QTemporaryDir system, user;
    ASSERT_TRUE(system.isValid() && user.isValid());
    WriteFile(QDir(system.path()).filePath("paper-sizes.xml"), kPapers);
    WriteFile(QDir(system.path()).filePath("b-templates.xml"), R"(<Glabels-templates>
  <Template brand="Zeta" part="L7" equiv="L6"/>
  <Template brand="Zeta" part="L8" equiv="L7"/>
  <Template brand="Zeta" part="L9" equiv="NOWHERE"/>
  <Template brand="Zeta" part="L10" equiv="L10"/>
</Glabels-templates>)");
    WriteFile(QDir(system.path()).filePath("a-templates.xml"), R"(<Glabels-templates>
  <Template brand="Zeta" part="L6" size="A4" _description="CD/DVD labels">
    <Label-cd id="0" radius="58.5mm" hole="20.5mm">
      <Layout nx="1" ny="2" x0="45mm" y0="22mm" dx="0" dy="137mm"/>
    </Label-cd>
  </Template>
  <Template brand="Alpha" part="100" size="A4" _description="Plain labels">
    <Label-rectangle id="0" width="100mm" height="50mm">
      <Layout nx="2" ny="5" x0="5mm" y0="23.5mm" dx="100mm" dy="50mm"/>
    </Label-rectangle>
  </Template>
</Glabels-templates>)");
    WriteFile(QDir(user.path()).filePath("mine.template"), R"(<Glabels-templates>
  <Template brand="Alpha" part="100" size="A4" _description="My own plain labels">
    <Label-rectangle id="0" width="99mm" height="50mm">
      <Layout nx="2" ny="5" x0="6mm" y0="23.5mm" dx="100mm" dy="50mm"/>
    </Label-rectangle>
  </Template>
</Glabels-templates>)");
    SheetDatabase db;
    db.Load({system.path(), user.path(), QDir(system.path()).filePath("missing")});
    ASSERT_EQ(db.Products().size(), 4u);
    EXPECT_EQ(db.Products()[0].description, "My own plain labels");
    // Sorted by brand, then part with numbers in their order: L6 before L10.
    EXPECT_EQ(db.Products()[1].part, "L6");
    const SheetTemplate* l8 = db.Find(QStringLiteral("zeta  l8"));
    ASSERT_TRUE(l8);
    EXPECT_EQ(l8->description, "CD/DVD labels");
    EXPECT_EQ(l8->rows, 2);
    EXPECT_FALSE(db.Find(QStringLiteral("Zeta L9")));
    EXPECT_EQ(db.Refusals().size(), 2u);
    EXPECT_EQ(db.Filter(QStringLiteral("")).size(), 4u);
    EXPECT_EQ(db.Filter(QStringLiteral("cd ZETA")).size(), 3u);
    EXPECT_EQ(db.Filter(QStringLiteral("dvd l7")).size(), 1u);
    EXPECT_TRUE(db.Filter(QStringLiteral("plain cd")).empty());
}
