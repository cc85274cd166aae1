#pragma once
// The tower editor driven as a user drives it: typing, the list editors answered through the
// scripted prompter, catalogues in a temporary folder.

#include "AppFixture.h"
#include "linedata/ConductorListRules.h"
#include "editor/TW_New.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>

#include <filesystem>
#include <string>
#include <vector>

namespace velt::test {

class TowerEditorFixture : public AppFixture {
  protected:
    TowerEditorFixture();
    ~TowerEditorFixture() override;

    TW_New& editor() { return app->towerEditor(); }
    TowerEditorState& state() { return app->towerEditorState(); }
    QLineEdit& field(const char* name) { return child<QLineEdit>(editor(), name); }
    QComboBox& combo(const char* name) { return child<QComboBox>(editor(), name); }
    /// Replaces the text of an editor field and releases a key in it, as typing does.
    void type(const char* name, const QString& text);
    /// Answers the next showing of a list editor ("TW_PRob" or "TW_NPOdg"): adds `rows`
    /// through TW_NewPrzew, fills its common fields and clicks `button`.
    void expectListEdit(const QString& dialog, const std::vector<ConductorRow>& rows,
                        const BundleFields& bundle, const QString& button = "BitBtn3");
    /// A 110 kV tower of three working conductors and one ground wire, typed in.
    void defineTower(const QString& series = "E1", const QString& type = "P");
    /// The editor's drawing as it shows on the screen.
    QImage drawing();
    std::string path(const std::string& name) const { return (dir / name).string(); }

    std::filesystem::path dir;
};

/// Whether `image` has a pixel of `rgb`.
bool hasColour(const QImage& image, QRgb rgb);

} // namespace velt::test
