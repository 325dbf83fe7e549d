#pragma once
// The interface texts the code names: line k of "textos" fills text slot k
// (uiText(k), interfaceText(k)). Grouped by the window that shows them; a
// text one window shares with another stays in the group of the first and is
// reused by name. content/textos-index.md tells what every line means.
//
// Windows still to be built have their own empty group below: add their
// names there, so that no two windows' work touches the same lines.

namespace velmira {

// Shared by every window: the report header, the print question, the
// question window, the school heading.
constexpr int kPrintText = 36;                  // "Imprimir": button caption, and the print question + " ?"
constexpr int kLeaveProgramQuestion = 49;       // the question window when the program is closed
constexpr int kSchoolYearCaption = 175;         // + " 2011/12": report header, window headings
constexpr int kModuleWindowCaption = 338;       // + two blanks + the centre's name
constexpr int kStudentNamePrompt = 339;         // the question window asking the pupil's name
constexpr int kCloseCaption = 13;               // "Cerrar"
constexpr int kBackCaption = 82;                // "Volver"
constexpr int kExitCaption = 222;               // "Salir" / "Terminar"
constexpr int kItinerariesCaption = 21;         // the itineraries door and the ESO menu entry
constexpr int kUniversityDegreesCaption = 84;   // door 1; the ESO details heading
constexpr int kUniversityDegreesAdjective = 46; // follows 84 in the ESO details heading
constexpr int kHigherGradeTitlesHeading = 80;   // ESO details: higher-grade vocational titles
constexpr int kProfessionalCertificatesCaption = 580;
constexpr int kDoubleDegreesCaption = 242;
constexpr int kCentresCaption = 593;
constexpr int kCutOffMarksCaption = 296;
constexpr int kMastersCaption = 551;
constexpr int kRequirementsCaption = 277;
constexpr int kInitialProgrammesShortName = 172; // "PCPI"
constexpr int kMiddleGradeShortName = 113;
constexpr int kMiddleGradeCaption = 512;     // "F.P. - G.M."
constexpr int kHigherGradeCaption = 513;     // "F.P. - G.S."
constexpr int kUniversityEntranceExam = 111; // "Selectividad"
constexpr int kUniversityDegreesShort = 522; // "Grados"

// Main menu (Tform0): doors, speech bubbles and the certificates shortcut.
constexpr int kQuestionnaireDoorLine1 = 8; // 8, 9, 10: the caption both questionnaire doors share
constexpr int kQuestionnaireDoorLine2 = 9;
constexpr int kQuestionnaireDoorLine3 = 10;
constexpr int kBachilleratoDoorLine4 = 11;
constexpr int kEsoDoorLine4 = 12;
constexpr int kCatalogueDoorCaption = 103;
constexpr int kInitialProgrammesDoorLine1 = 514;
constexpr int kProfessionsDoorWord1 = 622;
constexpr int kProfessionsDoorWord2 = 623;
constexpr int kDegreesDoorHint1 = 306;
constexpr int kDegreesDoorHint3 = 300;
constexpr int kCatalogueDoorHint = 224;
constexpr int kHigherGradeDoorHint1 = 318;
constexpr int kHigherGradeDoorHint2 = 316;
constexpr int kHigherGradeDoorHint3 = 317;
constexpr int kItinerariesDoorHint1 = 179;
constexpr int kItinerariesDoorHint2 = 180;
constexpr int kMiddleGradeDoorHint2 = 154;
constexpr int kMiddleGradeDoorHint3 = 155;
constexpr int kMiddleGradeDoorHint4 = 156;
constexpr int kMiddleGradeDoorHint5 = 157;
constexpr int kMiddleGradeDoorHint6 = 158;
constexpr int kMiddleGradeDoorHint7 = 159;
constexpr int kInitialProgrammesDoorHint2 = 584;
constexpr int kProfessionsDoorHint = 641;
constexpr int kQuestionnaireDoorsHint1 = 305;
constexpr int kQualitiesCaption = 301;  // the Bachillerato door's hint; the qualities part
constexpr int kInterestsCaption = 302;  // the Bachillerato door's hint; the interests part
constexpr int kEsoDoorHint2First = 509; // 509 + " " + 510
constexpr int kEsoDoorHint2Second = 510;
constexpr int kGreeting = 264;         // first speech bubble, before "Velmira."
constexpr int kSecondBubbleLine1 = 16; // second speech bubble: 16, 265, 266, 267
constexpr int kSecondBubbleLine2 = 265;
constexpr int kSecondBubbleLine3 = 266;
constexpr int kSecondBubbleLine4 = 267;
constexpr int kCertificatesShortcutLine1 = 587;
constexpr int kCertificatesShortcutLine2 = 588;

// ESO window (TForm2): menus, questionnaire, results, itineraries diagram.
constexpr int kQuestionnairesCaption = 52; // botCuestio; heading of the questions column
constexpr int kAnswerColumnHeading = 37;
constexpr int kFullQuestionnaireCaption = 76;
constexpr int kFullQuestionnaireHint = 3;
constexpr int kMiddleGradeQuestionnaireCaption = 77;
constexpr int kMiddleGradeQuestionnaireHint = 4;
constexpr int kShortQuestionnaireCaption = 91;
constexpr int kShortQuestionnaireHint = 75;
constexpr int kRankedItinerariesHint = 283;      // LabelAviso over the six ranked itineraries
constexpr int kMoreInformationCaption = 43;      // botContextual
constexpr int kResultsCaption = 45;              // BotResCues while the questions are shown
constexpr int kBackToQuestionsCaption = 328;     // BotResCues while the results are shown
constexpr int kSaveCaption = 20;                 // grabar
constexpr int kPrintListCaption = 274;           // BotImpTit
constexpr int kPrintResultsCaption = 273;        // ImpResul
constexpr int kQuestionnaireResetQuestion = 329; // a finished questionnaire started again
constexpr int kResultsOpening = 124;             // line 3 of both result lists
constexpr int kToContinue = 125;                 // short result line 12
constexpr int kMarkLabel = 152;                  // + the mark
constexpr int kRecommendedModalityHeading = 153;
constexpr int kBestItinerariesHeading = 240;
constexpr int kSecondRecommendationLeadIn = 123; // + the top interest group's modality
constexpr int kItineraryElevenNote = 386;        // details of itinerary group 11
constexpr int kModalityStudiesHeading = 58;      // printed modality sheets
constexpr int kModalityHeading = 66;
constexpr int kCourseSubjectsHeading = 73;
constexpr int kStudiesIntroLine1 = 168; // sheets and more-information degree lists
constexpr int kStudiesIntroLine2 = 169;
constexpr int kBranchDegreesHeading = 170;
constexpr int kHigherGradeTitlesListHeading = 171;
// The education-system explainer: its menu entry, stages and information.
constexpr int kExplainerCaption = 263; // BotExplica
constexpr int kPressTheArrow = 672;    // LabelNota, followed by kToContinue
constexpr int kEsoShortName = 2;       // "ESO", after a course number
constexpr int kFourthCourse = 188;     // "4.", before a stage's name
constexpr int kBachilleratoName = 88;
constexpr int kArtsName = 92;
constexpr int kNotWord = 140;     // before kUniversityEntranceExam
constexpr int kCoursesWord = 308; // after a number of years
constexpr int kExamWord = 536;    // after "+"
constexpr int kDiversificationName = 555;
constexpr int kIfYouPass = 537;
constexpr int kIfYouFail = 538;
constexpr int kWorkingLife = 115;            // also an itineraries-diagram box
constexpr int kCompulsorySecondaryName = 74; // heading of the ESO's information
constexpr int kHumanitiesName = 97;          // headings of the Bachillerato routes
constexpr int kSciencesName = 99;
constexpr int kSocialName = 100;
constexpr int kEngineeringName = 112;
constexpr int kSciencesSecondName = 101;
constexpr int kHealthName = 78;
constexpr int kModulesName = 501; // heading of the higher-grade titles
constexpr int kProfessionalFamiliesName = 575;

// University window (TForm1): menus, places, centres, the information menu.
constexpr int kDegreeCatalogueCaption = 440;     // menunuevo1
constexpr int kUniversitiesByPlaceCaption = 441; // MenuCarUni3
constexpr int kDoubleDegreesByDegreeCaption = 443;
constexpr int kDoubleDegreesByRegionCaption = 444;
constexpr int kOtherStudiesCaption = 445;     // menui6
constexpr int kInformationCaption = 446;      // Botinfo
constexpr int kStudiesStructureCaption = 447; // botinfo1
constexpr int kScholarshipsCaption = 448;     // botinfo3
constexpr int kOutletsCaption = 413;          // BotSal
constexpr int kWeightingsCaption = 414;       // BotPonde
constexpr int kRegionWebCaption = 428;        // BotInternetC
constexpr int kNextCaption = 451;             // BotAvanza
constexpr int kChooseRegionHint = 452;
constexpr int kFirstBranchName = 515;     // branch b is 514 + b
constexpr int kArrangementByBranch = 449; // ComboAgru: the catalogue's arrangements
constexpr int kArrangementByGroup = 450;
constexpr int kArrangementByActivity = 410;
constexpr int kArrangementByItinerary = 411;
constexpr int kArrangementAlphabetical = 412;
constexpr int kQualitiesHelpHeading = 355;
constexpr int kInterestsHelpHeading = 356;
// The degree-structure presentation: its labels and sentences.
constexpr int kStructureDoctorate = 466;
constexpr int kStructureAccess = 552;
constexpr int kStructureThesis = 485;
constexpr int kStructureFinalProject = 550;
constexpr int kStructureTitle = 502;
constexpr int kStructureVerticalWord = 671;
constexpr int kStructureYearsUnit = 664;
constexpr int kStructureCreditsUnit = 665;
constexpr int kStructureMasterCredits = 666;
constexpr int kStructureDegreeCredits = 667;
constexpr int kStructureMasterYears = 668;
constexpr int kStructureDoctorateCredits = 669;
constexpr int kStructureDegreeYears = 670;
constexpr int kPresentationSentence0 = 539;
constexpr int kPresentationSentence1 = 540;
constexpr int kPresentationSentence2 = 541; // followed by 542
constexpr int kPresentationSentence2End = 542;
constexpr int kPresentationSentence3 = 543;
constexpr int kPresentationSentence4 = 544;
constexpr int kPresentationSentence5 = 545;
constexpr int kPresentationSentence6 = 546;
constexpr int kPresentationSentence7 = 547;
constexpr int kPresentationSentence8 = 548; // followed by 549
constexpr int kPresentationSentence8End = 549;
// The first lines of the help panel's messages, read in order from there.
constexpr int kQuestionnaireOpenedHelp = 349; // six lines
constexpr int kPartChosenHelp = 357;          // seven lines, under 355 or 356
constexpr int kPartResultsHelp = 364;         // eight lines
constexpr int kCombinedResultsHelp = 378;     // seven lines
constexpr int kCombinedTooEarlyHelp = 415;    // three lines
constexpr int kResultsSavedHelp = 22;         // seven lines; the ESO window shows them too

// A degree's requirements list.
constexpr int kHardEntry = 720;
constexpr int kAverageMark = 721;
constexpr int kSomeCentresEasier = 722;
constexpr int kAdmissionHeading = 674;
constexpr int kBranchLines = 723;     // 723, 724, then the branch's name
constexpr int kSubjectsHeading = 725; // "-  " + 725, then 726
constexpr int kAnySubject = 55;
constexpr int kSuggestedHeading = 727;
constexpr int kAnyScienceSubject = 728;
constexpr int kHealthAlso = 729;
constexpr int kClosingAdvice = 730; // 730, 731, 732
constexpr int kAccessHeading = 717;
constexpr int kAccessLines = 711;     // 711 to 715
constexpr int kMastersQuestion = 535; // LabelMaster, + " ?"

// The artistic studies and the printed listings of the university window.
constexpr int kArtisticStudiesCaption = kDegreesDoorHint3; // Menui4
constexpr int kPlasticArtsTitle = 529;            // BotArtesPlas and the kind's title; 530-532 the others
constexpr int kArtisticGeneralCaption = 278;      // BotArtesTit; the degree report's information heading
constexpr int kArtisticSpecialitiesCaption = 478; // BotArtesEsp
constexpr int kInformationHeading = kArtisticGeneralCaption;
constexpr int kDegreeLabel = 325;         // + ": " + the degree chosen, in the double-degree report
constexpr int kPlaceLabel = 289;          // + ": " + the university chosen, in the double-degree report
constexpr int kOtherStudiesHeading = 290; // + ": " + the entry, its report's title

// The Bachillerato questionnaire: its parts, results and report.
// The parts are kQualitiesCaption (Menucua) and kInterestsCaption (MenuGus),
// whose captions are also their titles.
constexpr int kCombinedPart = 303;     // MenuMedia
constexpr int kPartResultsTitle = 286; // + 4 blanks + the part's title
constexpr int kCombinedResultsTitle = 288;
constexpr int kCombinedReportTitle = 285;
constexpr int kBachilleratoSaveCaption = 330; // grabar
constexpr int kDegreesOfItinerary = 327;
constexpr int kHigherTitlesOfItinerary = 326;  // itinerary 11: 386, then 387 to 389
constexpr int kBachilleratoReportHeader = 284; // + the pupil's name
constexpr int kBachilleratoReportLine = 596;   // + " " + 597
constexpr int kBachilleratoReportClosing = 598;
constexpr int kBachilleratoReportPage2 = 340;
constexpr int kBachilleratoEntryCaption = kQuestionnairesCaption; // BotCuestionario in the module menu
constexpr int kShowResultsCaption = 334;                          // VerResul
constexpr int kReviewAnswersCaption = 335;                        // revisa
constexpr int kFinishCaption = 336;                               // acabarCua

// Higher-grade titles (TForm1, door 3): menu, families, a title's menu and
// sections, places and the printed title.
namespace higher_grade_text {
constexpr int kByFamily = 595;      // MenuFP1; the selection title over the families
constexpr int kByPlace = 584;       // MenuFP2
constexpr int kBack = kBackCaption; // menuFP3, BotRetrocederFP; first row of a group's headings
constexpr int kBubbleHeading = kHigherGradeDoorHint1; // LabelFP1; MenuFpTit0
constexpr int kBubbleText = kHigherGradeDoorHint2;    // LabelFP2
constexpr int kChooseFamily = 578;                    // the selection title over a group's headings
constexpr int kProfile = 271;                         // heads the subject preview and the subjects
constexpr int kPlaces = kHigherGradeDoorHint3;        // MenuFpTit1; printed in upper case
constexpr int kRequirements = kRequirementsCaption;   // MenuFpTit2; the requirements' title
constexpr int kSubjects = 319;                        // MenuFpTit3
constexpr int kAccess = 298;                          // MenuFpTit4: + " " + kUniversityDegreesAdjective
constexpr int kPrint = 321;                           // MenuFpTit5
constexpr int kAnotherTitle = 322;                    // MenuFpTit6
constexpr int kPrintAll = 272;                        // MenuFPTitTodo
constexpr int kWhatIsStudied = 312;                   // the subjects' title
constexpr int kAccessTitle = kAccessHeading;          // the access section's title
constexpr int kAccessFirstLine = kAccessLines;        // 711 to 715
constexpr int kShortName = 47;                        // the report's title: name + " (" + text + ")"
constexpr int kTelephones = 31;                       // botTelefono
constexpr int kAccept = 19;                           // BotAceptar
constexpr int kCentresOfTitle = 323;                  // the selection title over a region's centres
constexpr int kCentresByPlace = 294;                  // the selection title of the route by place
constexpr int kNothingFound = 292;                    // a region without centres of the title
} // namespace higher_grade_text

// Middle-grade explorer (TForm3): its routes, listings and questionnaire route.
namespace middle_grade_text {
constexpr int kExplorerHeading = 81;                // LabelFPGM
constexpr int kByTitle = 190;                       // botTit2
constexpr int kByPlace = 276;                       // botLug2
constexpr int kLeave = 54;                          // botSalir, BotSalirCues
constexpr int kBack = kBackCaption;                 // BotRetrocederFP; first row of a group's families
constexpr int kPrint = kPrintText;                  // BotImprimir, BotImprimirCuesGM
constexpr int kRequirements = 29;                   // BotRequisitos; printed section heading
constexpr int kJobPositionsButton = 191;            // BotPuesto
constexpr int kSubjects = 30;                       // botAsig
constexpr int kTelephones = 31;                     // BotTelefono
constexpr int kAccept = 19;                         // BotAceptar
constexpr int kJobPositions = 199;                  // heading of the job positions, shown and printed
constexpr int kWhatIsStudied = 312;                 // heading of the subjects, shown and printed
constexpr int kTitlesByFamily = 595;                // choosing a family group; the chosen sentences in print
constexpr int kChooseFamily = 578;                  // choosing a family of a group
constexpr int kWhereTaught = kHigherGradeDoorHint3; // a title on the map; printed in upper case
constexpr int kCentresOfTitle = 323;                // the centres of a clicked region
constexpr int kNothingFound = 292;                  // the grid's only row when no centre teaches the title
constexpr int kCentresByPlace = 294;                // the route by place
constexpr int kPlace = 289;                         // + ": " + province: heading of a province's listing
constexpr int kMiddleGrade = kMiddleGradeShortName; // in the headings of printed listings
constexpr int kChooseRegionsFirst = 558;            // + " " + 559: the choice of regions to print
constexpr int kChooseRegionsSecond = 559;
constexpr int kUndoRegionFirst = 560; // + " " + 561
constexpr int kUndoRegionSecond = 561;
constexpr int kChooseAreas = 163;          // the guide, at the interest areas
constexpr int kChooseSentencesFirst = 164; // + " " + 165, at the sentences
constexpr int kChooseSentencesSecond = 165;
constexpr int kFamily = 583;              // " - " + text + ":  " + family, in the list of titles
constexpr int kChosenAreas = 594;         // the printed path: the areas chosen
constexpr int kChosenTitle = 592;         // + ": " + the title, in the printed path
constexpr int kCentres = kCentresCaption; // + ":", before the centres in the printed path
constexpr int kAskName = kStudentNamePrompt;
} // namespace middle_grade_text

// Initial programmes (TFIniPro): groups, programmes, details, map and report.
namespace initial_programmes_text {
constexpr int kWindowHeading = 1;                        // LabelFPIp1 and its shadow LabelFPIp2
constexpr int kRequirements = 29;                        // BotRequisitos; printed section heading
constexpr int kWhatIsStudiedButton = 30;                 // BotAsig
constexpr int kWork = 671;                               // BotTra: text + "..."
constexpr int kPrint = kPrintText;                       // BotImprimir
constexpr int kByPlace = kInitialProgrammesDoorHint2;    // BotLug
constexpr int kChooseGroup = 577;                        // LabelAyu0, sliding in PanelSelTit0
constexpr int kBack = kBackCaption;                      // BotRetrocederFP
constexpr int kModules = 501;                            // four blanks + text over a programme's modules
constexpr int kModulesHeading = 67;                      // before what is studied and before the modules
constexpr int kJobPositions = 199;                       // before the job positions; printed section heading
constexpr int kWhatIsStudied = 312;                      // PanelSelTit; printed section heading
constexpr int kCentresByPlace = 294;                     // PanelSelTit in the route by place
constexpr int kCentresOfRegion = 323;                    // printed before the region
constexpr int kNothingFound = 292;                       // the grid's only row when no centre teaches it
constexpr int kProgrammes = kInitialProgrammesShortName; // report titles
constexpr int kChooseRegionFirst = 585;                  // printing before a region was chosen
constexpr int kFirstHelpLine = 569;                      // LabelAyu1 .. LabelAyu6: 569 .. 574
constexpr int kHelpLines = 6;
} // namespace initial_programmes_text

// Professional certificates (TCertifica): captions, help lines and report.
namespace certificates_text {
constexpr int kCaption = kProfessionalCertificatesCaption; // the window's heading; report row 0
constexpr int kBack = kBackCaption;
constexpr int kPrint = kPrintText;
constexpr int kChooseGroup = 577;       // LabelTit1, over the groups
constexpr int kChooseFamily = 578;      // LabelTit2, over the families
constexpr int kChooseCertificate = 579; // LabelTit3, over the certificates
constexpr int kRequirements = 581;      // over the requirements; in the report before them
constexpr int kHours = 582;             // + ": " + the hours
constexpr int kFamily = 583;            // + ":" in the report, before the family's name
constexpr int kFirstHelpLine = 562;     // LabelAyu1 .. LabelAyu7: 562 .. 568
constexpr int kHelpLines = 7;
} // namespace certificates_text

// Families catalogue (TFormCat): the family list, its five lists, the
// details of an entry and the printed catalogue.
namespace families_text {
constexpr int kPrint = kPrintText;                     // BotImprimir
constexpr int kClose = kCloseCaption;                  // BotRetroceder, botcerrar
constexpr int kCatalogueTitle = kCatalogueDoorCaption; // + ": " + the family, the report's title
constexpr int kFamilies = 575;                         // LabelFami
constexpr int kGuideFirst = 578;                       // LabelAyu0: text + " " + 442
constexpr int kGuideSecond = 442;
constexpr int kDegrees = 299;                                   // Label1
constexpr int kHigherTitles = 47;                               // Label2
constexpr int kMiddleTitles = kMiddleGradeShortName;            // Label3
constexpr int kProgrammes = kInitialProgrammesShortName;        // Label4
constexpr int kCertificates = kProfessionalCertificatesCaption; // Label5
constexpr int kRelatedHigherTitles = 176;           // last row of the higher-grade list of family "5"
constexpr int kRelatedMiddleTitles = 177;           // last row of the middle-grade list of family "5"
constexpr int kRequirements = kRequirementsCaption; // heading of a degree's or title's details
constexpr int kAdmission = kAdmissionHeading;       // a degree's details, after 277
constexpr int kBranch = 385;                        // a degree's details, before its branch
constexpr int kBranchName = kFirstBranchName;       // branch b is 514 + b
constexpr int kJobPositions = 271;                  // before a title's five job positions
constexpr int kModules = 67;                        // before a programme's five modules
constexpr int kEntryRequirements = 29;              // a programme's or certificate's requirements
constexpr int kHours = 582;                         // + ": " + a certificate's hours
} // namespace families_text

// University entrance panels (TForm6).
namespace entrance_text {
constexpr int kClose = kCloseCaption;             // BotCerrar1, BotCerrar3, Botcerrar4
constexpr int kCutOffMarks = kCutOffMarksCaption; // BotCorte2
constexpr int kWorkedExample = 39;                // BotEjemplo2
constexpr int kDoubleClick = 678;                 // LabelUnis: text + " " + 239
constexpr int kToOpenIt = 239;
constexpr int kWeightingsExplained = 689; // LabelPondera1
constexpr int kSixOrMore = 690;           // Buttoncorte6
constexpr int kEightOrMore = 691;         // Buttoncorte7
constexpr int kTenOrMore = 692;           // ButtonCorte8
constexpr int kCentresAndTotal = 693;     // LabelTotal
constexpr int kDegreesWithMarks = 694;    // LabelCorte2
constexpr int kHowToChoose = 695;         // LabelCorte1
constexpr int kEntranceTitle = 696;       // LabelCorteSelecti
} // namespace entrance_text

// Star map (TForm7): no texts; the regions are named from `comunida`.

// Professions (Tprofe): its questionnaire, results and report.
namespace professions_text {
constexpr int kPrint = kPrintText;
constexpr int kHigherTitles = 47;
constexpr int kLeave = 54;
constexpr int kMiddleTitles = kMiddleGradeShortName;
constexpr int kResultsHeading = kResultsOpening;
constexpr int kAskName = kStudentNamePrompt;
constexpr int kProfessionsOfActivity = 624;
constexpr int kActivitiesHeading = 625;
constexpr int kStatementHeader = 626;
constexpr int kDegrees = 627;
constexpr int kChooseTwo = 629;
constexpr int kChooseOne = 630;
constexpr int kIntroductionHeader = 631;
constexpr int kIntroductionFirst = 632;
constexpr int kIntroductionSecond = 633;
constexpr int kTooManyFirst = 634;
constexpr int kTooManySecond = 635;
constexpr int kHowToGoOn = 636;
constexpr int kCheckChoice = 637;
constexpr int kAllAnswered = 639;
constexpr int kActivitiesFirst = 642;
constexpr int kActivitiesSecond = 643;
constexpr int kStatementProfessions = 644;
constexpr int kStudiesOfProfession = 645;
constexpr int kExplanationFirst = 646;
constexpr int kExplanationSecond = 647;
constexpr int kTitle = 648;
constexpr int kLeaveQuestion = 649;
constexpr int kStudiesElsewhere = 650;
} // namespace professions_text

} // namespace velmira
