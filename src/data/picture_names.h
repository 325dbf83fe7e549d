#pragma once
// The pictures of the installation whose file names the program chooses
// itself, and what each picture holds. The theme pictures, "mapa",
// "chica.bmp" and "fuente.gif" are named where they are used.
// Strips hold their frames side by side, left to right, frame 0 first.

#include <iterator>
#include <optional>

namespace velmira::pictures {

// `ImageList1`: the walking figure, 6 walking frames then 2 standing ones.
inline constexpr char kWalkingFigureStrip[] = "figura.png";
inline constexpr int kWalkingFigureFrames = 8;
// `ImageListPuerta`: a door, from closed (frame 0) to open (frame 4).
inline constexpr char kDoorStrip[] = "puerta.png";
inline constexpr int kDoorFrames = 5;
// `ImageListchica`: the guide of the help panels, one frame per line shown.
inline constexpr char kGuideStrip[] = "guia.png";
inline constexpr int kGuideFrames = 8;
// Frames of the three strips above are all this size.
inline constexpr int kFigureFrameWidth = 56;
inline constexpr int kFigureFrameHeight = 168;

// The picture behind the main menu's buttons.
inline constexpr char kButton[] = "botonve.jpg";

// `Bocadillo1`: the speech bubble of the main menu.
inline constexpr char kSpeechBubble[] = "bocadillo.png";

// The education-system explainer of the ESO window: the arrows that reveal
// its stages, up to the next level or across to the side, and the picture
// that opens a stage's information.
inline constexpr char kArrowUp[] = "flechaarriba.png";
inline constexpr char kArrowRight[] = "flechaderecha.png";
inline constexpr char kInformationMark[] = "info.png";
inline constexpr int kArrowLength = 36; // along the arrow
inline constexpr int kArrowBreadth = 26;
inline constexpr int kInformationMarkSize = 24;

// `ImageListIconos`: 30 x 30 icons side by side, icon i at x = 30 * i.
inline constexpr char kIconStrip[] = "iconos.png";
inline constexpr int kIconSize = 30;

// What each icon stands for. Professional families share their icon with
// the itinerary groups and programme groups of the same field.
enum Icon : int {
    IconMechanicalManufacturing = 0,  // gear and wrench
    IconAgriculture = 1,              // tree
    IconAdministration = 2,           // document and pen
    IconCommerce = 3,                 // shopping trolley
    IconTransport = 4,                // lorry
    IconTourism = 5,                  // aeroplane
    IconLanguages = 6,                // two speech balloons
    IconExtractiveIndustries = 7,     // pickaxe
    IconVehicles = 8,                 // car
    IconArtsAndCrafts = 9,            // palette and brush
    IconPaintingAndDecoration = 10,   // paint roller
    IconPsychology = 11,              // head with a heart
    IconComputing = 12,               // computer
    IconSciences = 13,                // atom
    IconSocialServices = 14,          // two people hand in hand
    IconSecurity = 15,                // badge
    IconHealth = 16,                  // stethoscope
    IconCommunication = 17,           // microphone
    IconHospitality = 18,             // plate, knife and fork
    IconFoodIndustries = 19,          // loaf and wheat ear
    IconEducation = 20,               // blackboard
    IconChemistry = 21,               // flask
    IconEnvironment = 22,             // leaf over the world
    IconLettersAndLiterature = 23,    // open book
    IconHistoryAndGeography = 24,     // globe
    IconEconomicsAndBusiness = 25,    // bar chart
    IconTelecommunications = 26,      // antenna
    IconIndustrialEngineering = 27,   // factory
    IconBuilding = 28,                // crane and wall
    IconLaw = 29,                     // scales
    IconPerformingArts = 30,          // masks and a note
    IconPhysicalActivities = 31,      // ball
    IconGraphicArts = 32,             // printed sheet and ink drops
    IconElectricity = 33,             // lightning bolt
    IconEnergyAndWater = 34,          // water drop and sun
    IconInstallationMaintenance = 35, // tap and pipe
    IconImageAndSound = 36,           // film camera
    IconPersonalImage = 37,           // scissors and comb
    IconWood = 38,                    // saw and plank
    IconMaritime = 39,                // anchor
    IconSafetyAndEnvironment = 40,    // shield with a leaf
    IconTextiles = 41,                // needle and thread over a shirt
    IconGlassAndCeramics = 42,        // vase
    IconBack = 43,                    // arrow pointing left
    IconCount = 44,
};

// The icon drawn beside itinerary group 1..13 wherever the groups are ranked
// (the ESO results, the Bachillerato questionnaire's results).
inline std::optional<Icon> itineraryIcon(int group)
{
    constexpr Icon icons[] = {IconAgriculture,    IconArtsAndCrafts,         IconHealth,
                              IconSciences,       IconEconomicsAndBusiness,  IconLaw,
                              IconCommunication,  IconLettersAndLiterature,  IconHistoryAndGeography,
                              IconSocialServices, IconIndustrialEngineering, IconTelecommunications,
                              IconBuilding};
    if (group < 1 || group > static_cast<int>(std::size(icons)))
        return std::nullopt;
    return icons[group - 1];
}

} // namespace velmira::pictures
