#pragma once
// Characters walked through the real main window, page by page, with a
// photograph of each page the first time it is shown. Every move is a
// user action on the window's Main; the rolls that decide where a career
// goes next are queued, the others come from a seeded generator, so a run
// is the same each time.

#include <QString>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <random>

class Camera;
class Dice;
class DialogAnswerer;
class Main;
class MainWindow;
struct CharacterPlan;

class CareerWalk {
public:
    CareerWalk(MainWindow& window, Camera& camera, DialogAnswerer& dialogs, std::uint64_t seed);

    // Plays characters until every page with controls and the final page
    // are photographed; otherwise the error names the pages never reached.
    std::optional<QString> run(int maxCharacters);

    // The file name of a page's photograph: page-NN-what.
    static QString shotName(int page);

private:
    std::optional<QString> playCharacter(const CharacterPlan& plan);
    // One move on the shown page: its choices, the rolls it needs, Continue.
    std::optional<QString> move(const CharacterPlan& plan);
    void photographShownPage();
    bool missing(int page) const;
    bool aimsMissing(const CharacterPlan& plan, std::initializer_list<int> pages) const;
    void queue(std::initializer_list<int> faces);
    // A random usable member of a radio group, or -1.
    int anyUsable(const QString& group);
    bool usable(const QString& name, int index = -1);

    MainWindow& window_;
    Main& main_;
    Dice& dice_;
    Camera& camera_;
    DialogAnswerer& dialogs_;
    std::uint64_t seed_;
    std::mt19937_64 choices_;
    bool steerToSpecialDuty_ = false;
};
