// The editor's form driven as a user drives it: clicks on the drawing, the tool buttons,
// the menu, with fakes for the boxes and the main window.
#include "editor/form/DefModele.h"

#include "game/TFileModele.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vantorel::editor {
namespace {

class FakeHost : public TEditorHost {
public:
    std::string ApplyModel(const Tmodele& model) override {
        applied.push_back(model);
        return {};
    }
    TFileModele* Library() override { return library; }
    void ReportError(int code, const std::string&) override { errors.push_back(code); }
    void ShowHelp(const std::string&) override {}
    std::vector<Tmodele> applied;
    std::vector<int> errors;
    TFileModele* library = nullptr;
};

class FixedPath : public TLibrarySettings {
public:
    explicit FixedPath(std::filesystem::path path) : path_(std::move(path)) {}
    std::filesystem::path StoredPath() const override { return path_; }
    void StorePath(const std::filesystem::path&) override {}

private:
    std::filesystem::path path_;
};

// Stands for the chooser: the library's last variant, or the board of `kind`.
class LastOfLibrary : public TVariantChooser {
public:
    explicit LastOfLibrary(TFileModele& library) : library_(library) {}
    std::optional<Tmodele> ChooseVariant(int purpose, QWidget*) override {
        purposes.push_back(purpose);
        std::vector<Tmodele> all = library_.ReadAll();
        if (all.empty()) return Tmodele(1);
        return all.back();
    }
    std::vector<int> purposes;

private:
    TFileModele& library_;
};

struct Form {
    FakeHost host;
    std::vector<TUnsavedAnswer> answers;
    int asked = 0;
    QString chosenFile;
    bool overwrite = false;
    std::unique_ptr<TFModele> form;

    explicit Form(std::unique_ptr<TVariantChooser> chooser = nullptr) {
        TFModeleParts parts;
        parts.Chooser = std::move(chooser);
        parts.AskUnsaved = [this](const QString&) {
            ++asked;
            const TUnsavedAnswer a = answers.empty() ? TUnsavedAnswer::Cancel : answers.front();
            if (!answers.empty()) answers.erase(answers.begin());
            return a;
        };
        parts.AskYesNo = [this](const QString&) { return overwrite; };
        parts.FileDialog = [this](bool, const QString&) { return chosenFile; };
        parts.NewKind = [] { return 777; };
        form = std::make_unique<TFModele>(host, std::move(parts));
    }
    void Right(int x, int y) { QTest::mouseClick(form->PaintBox1, Qt::RightButton, {}, {x, y}); }
    void Left(int x, int y, Qt::KeyboardModifiers m = {}) {
        QTest::mouseClick(form->PaintBox1, Qt::LeftButton, m, {x, y});
    }
};

// A line drawn with the mouse, linked with the tool, its mill found on the second page and
// the board applied: the whole road of a new board through the form.
TEST(EditorForm, DrawLinkFindAndApply) {
    Form f;
    f.Right(100, 240);
    f.Right(240, 240);
    f.Right(380, 240);
    f.Left(100, 240);
    f.Left(240, 240, Qt::ControlModifier);
    f.Left(380, 240, Qt::ControlModifier);
    f.form->SB_relier->click();
    EXPECT_EQ(f.form->Drawing.LinkCount(), 2);
    EXPECT_EQ(f.form->Enbliaisons->text(), QStringLiteral("2"));
    f.form->PageControl1->setCurrentIndex(1);
    f.form->Btn_rech_auto->click();
    ASSERT_EQ(f.form->ListBox1->count(), 1);
    EXPECT_EQ(f.form->ListBox1->item(0)->text(), QStringLiteral("1;2;3;"));
    f.form->ListBox1->setCurrentRow(0);
    EXPECT_EQ(f.form->Drawing.SelectedPointCount(), 3);
    f.form->Nbpions->setValue(3);
    f.form->Appliquer->trigger();
    ASSERT_EQ(f.host.applied.size(), 1u);
    EXPECT_EQ(f.host.applied[0].MillCount(), 1);
    EXPECT_EQ(f.host.applied[0].PiecesPerSide[1], 3);
    EXPECT_EQ(f.host.applied[0].Kind, 777);
    EXPECT_EQ(f.form->PageControl1->currentIndex(), 1);
    f.form->Btn_del->click();
    EXPECT_EQ(f.form->ListBox1->count(), 0);
}

TEST(EditorForm, TheUnsavedQuestionGuardsClosingAndNewBoards) {
    Form f;
    f.form->show();
    f.Right(100, 100);
    f.form->close();
    EXPECT_EQ(f.asked, 1);
    EXPECT_TRUE(f.form->isVisible()); // Cancel
    f.answers = {TUnsavedAnswer::No};
    f.form->Modelevide->trigger();
    EXPECT_EQ(f.form->Drawing.PointCount(), 0);
    EXPECT_FALSE(f.form->Drawing.Modified);
    // A renamed board is work too.
    QTest::keyClicks(f.form->Enom, QStringLiteral("x"));
    f.answers = {TUnsavedAnswer::No};
    f.form->close();
    EXPECT_EQ(f.asked, 3);
    EXPECT_FALSE(f.form->isVisible());
    // Opening a file over unsaved work asks too, and Cancel opens nothing.
    f.Right(200, 200);
    f.chosenFile = QStringLiteral("/nonexistent.Mdl");
    f.form->Unfichier->trigger();
    EXPECT_EQ(f.asked, 4);
    EXPECT_EQ(f.form->Drawing.PointCount(), 1);
}

TEST(EditorForm, SavingAsAndOpeningFiles) {
    QTemporaryDir dir;
    Form f;
    f.Right(100, 100);
    f.Right(200, 200);
    const QString path = dir.filePath(QStringLiteral("a.Mdl"));
    { std::ofstream(path.toStdString()) << "old"; }
    f.chosenFile = path;
    f.form->Enregistrersous->trigger(); // declines the overwrite
    EXPECT_TRUE(f.form->Drawing.Modified);
    f.overwrite = true;
    f.form->Enregistrersous->trigger();
    EXPECT_FALSE(f.form->Drawing.Modified);
    EXPECT_TRUE(f.form->windowTitle().endsWith(QStringLiteral("a.Mdl")));

    Form g;
    g.Right(50, 50);
    const QString bad = dir.filePath(QStringLiteral("bad.Mdl"));
    { std::ofstream(bad.toStdString()) << "not a model"; }
    EXPECT_FALSE(g.form->OpenFile(bad));
    EXPECT_EQ(g.host.errors, std::vector<int>{6});
    EXPECT_EQ(g.form->Drawing.PointCount(), 1);
    EXPECT_TRUE(g.form->OpenFile(path));
    EXPECT_EQ(g.form->Drawing.PointCount(), 2);
    EXPECT_EQ(g.form->Enom->text(), QStringLiteral("Mon modèle"));
    EXPECT_FALSE(g.form->Drawing.Modified);
}

// A board made from a built-in one, registered twice, is one record of the library, and
// opens again from it unchanged.
TEST(EditorForm, RegisteringAndOpeningFromTheLibrary) {
    QTemporaryDir dir;
    FixedPath where(dir.filePath(QStringLiteral("Vantorel.tev")).toStdString());
    TFileModele library(where, dir.path().toStdString());
    auto chooser = std::make_unique<LastOfLibrary>(library);
    LastOfLibrary& choices = *chooser;
    Form f(std::move(chooser));
    f.host.library = &library;
    f.form->Creerapartirde->trigger(); // the library is empty: Nine Men's Morris
    EXPECT_EQ(f.form->Drawing.PointCount(), 24);
    EXPECT_EQ(f.form->Drawing.Kind, 777);
    EXPECT_EQ(f.form->Enom->text(), QStringLiteral("Mon modèle"));
    f.form->Nbpions->setValue(5);
    f.form->Reconnaitre->trigger();
    EXPECT_EQ(f.form->Drawing.StorageState, TStorage::Library);
    EXPECT_FALSE(f.form->Drawing.Modified);
    f.form->Nbpions->setValue(6);
    f.form->Enregistrer->trigger(); // a library board is registered again
    ASSERT_EQ(library.ReadAll().size(), 1u);
    const Tmodele stored = library.ReadAll().front();
    EXPECT_EQ(stored.PiecesPerSide[0], 6);
    // A description no record can hold is refused, and the registered board stays.
    f.form->Memo_desc->setPlainText(QString(70 * 1024, u'x'));
    f.form->Reconnaitre->trigger();
    EXPECT_EQ(f.host.errors, std::vector<int>{1});
    ASSERT_EQ(library.ReadAll().size(), 1u);
    EXPECT_TRUE(library.ReadAll().front().SameAs(stored));

    Form g(std::make_unique<LastOfLibrary>(library));
    g.host.library = &library;
    g.form->Unmodelereconnu->trigger();
    EXPECT_EQ(g.form->Drawing.StorageState, TStorage::Library);
    EXPECT_TRUE(g.form->Drawing.BuildModel().SameAs(stored));
    EXPECT_EQ(g.form->Enom->text(), QStringLiteral("Mon modèle"));
    g.form->Supprimerlemodele->trigger();
    EXPECT_TRUE(library.ReadAll().empty());
    EXPECT_TRUE(g.host.errors.empty());
    EXPECT_EQ(choices.purposes, std::vector<int>{2});
}

} // namespace
} // namespace vantorel::editor

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
