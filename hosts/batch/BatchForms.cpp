#include "BatchForms.h"

namespace {

const char kDate[] = "jj/mm/aaaa";
const char kDateEpoch[] = "jj/mm/aaaa ou Jaaaa";
const char kTime[] = "hh:mm:ss.s";
const char kValue[] = "nombre, ±ddd:mm:ss ou ±hh:mm:ss.s selon le format";

// Date, heure and value columns of the interpolation grids.
void AddPoints(std::vector<BatchColumn>& columns, const int (*ids)[3],
               const char* const* valueNames) {
  static const char* const kDates[] = {"date1", "date2", "date3", "date4", "date5"};
  static const char* const kTimes[] = {"heure1", "heure2", "heure3", "heure4",
                                       "heure5"};
  for (int row = 0; row < 5; ++row) {
    columns.push_back({ids[row][0], kDates[row], kDate});
    columns.push_back({ids[row][1], kTimes[row], kTime});
    columns.push_back({ids[row][2], valueNames[row], kValue});
  }
}

std::vector<BatchForm> MakeForms() {
  std::vector<BatchForm> forms;

  forms.push_back({129,
                   {{1007, "latitude", "±dd:mm:ss"},
                    {1009, "altitude", "mètres, nombre entier"}},
                   {},
                   {{1013, "phi", "latitude géocentrique, ±dd°mm'ss\""},
                    {1015, "rho", "distance au centre de la Terre"},
                    {1016, "rho_sin_phi", "rho sin phi'"},
                    {1014, "rho_cos_phi", "rho cos phi'"}},
                   {{1017, "calcul"}}});

  forms.push_back({130,
                   {{1018, "date", kDateEpoch},
                    {1025, "heure", kTime},
                    {1020, "jj", "jour julien"}},
                   {},
                   {{1022, "jour_julien", "jour julien"},
                    {1067, "tsg", "temps sidéral à Greenwich"},
                    {1056, "equation_temps", "équation du temps"},
                    {1023, "res_date", "jour de la semaine et date"},
                    {1028, "res_heure", "heure"}},
                   {{1019, "calcul"}, {1024, "copie"}, {1021, "calcul_date"}}});

  {
    BatchForm f{131, {}, {}, {}, {{1020, "calcul"}}};
    static const int ids[5][3] = {{1000, 1001, 1002}, {1004, 1005, 1006},
                                  {1008, 1009, 1010}, {1012, 1013, 1014},
                                  {1016, 1017, 1018}};
    static const char* const f1[] = {"f1_1", "f1_2", "f1_3", "f1_4", "f1_5"};
    AddPoints(f.inputs, ids, f1);
    static const char* const f2[] = {"f2_1", "f2_2", "f2_3", "f2_4", "f2_5"};
    const int f2ids[] = {1003, 1007, 1011, 1015, 1019};
    for (int row = 0; row < 5; ++row) f.inputs.push_back({f2ids[row], f2[row], kValue});
    f.inputs.push_back({1021, "datex", kDate});
    f.inputs.push_back({1022, "heurex", kTime});
    f.inputs.push_back({1023, "points", "2 à 5"});
    f.groups.push_back({1024, "format1", "format de la fonction 1",
                        {{1024, "decimal"}, {1027, "degres"}, {1028, "heures"}}});
    f.groups.push_back({1029, "format2", "format de la fonction 2",
                        {{1029, "decimal"}, {1030, "degres"}, {1031, "heures"}}});
    f.results = {{1025, "fonction1", "fonction 1 en X"},
                 {1026, "fonction2", "fonction 2 en X"}};
    forms.push_back(std::move(f));
  }

  forms.push_back({132,
                   {{1041, "epoque", kDateEpoch},
                    {1042, "ad", "hh:mm:ss.sss"},
                    {1043, "decl", "±dd:mm:ss.ss"},
                    {1044, "mp_ad", "±s.ssss par an"},
                    {1045, "mp_decl", "±s.sss par an"},
                    {1046, "epoque_finale", kDate},
                    {1047, "equinoxe", kDateEpoch}},
                   {},
                   {{1052, "res_ad", "ascension droite finale"},
                    {1053, "res_decl", "déclinaison finale"}},
                   {{1017, "calcul"}}});

  forms.push_back({134,
                   {{1042, "ad", "hh:mm:ss.sss"},
                    {1043, "decl", "±dd:mm:ss.ss"},
                    {1057, "longitude", "±ddd:mm:ss, positive vers l'ouest"},
                    {1007, "latitude", "±dd:mm:ss"},
                    {1018, "date", kDate},
                    {1025, "heure", "hh:mm:ss"}},
                   {},
                   {{1058, "azimut", "depuis le sud, positif vers l'ouest"},
                    {1059, "hauteur", "hauteur"}},
                   {{1017, "calcul"}}});

  forms.push_back({135,
                   {{1018, "date", kDate},
                    {1025, "heure", kTime},
                    {1057, "longitude", "±ddd:mm:ss, positive vers l'ouest"}},
                   {},
                   {{1065, "temps_sideral", "temps sidéral local"}},
                   {{1017, "calcul"}}});

  {
    BatchForm f{143, {}, {}, {}, {{1022, "zero"}, {3, "extremum"}, {5, "initialisation"}}};
    static const int ids[5][3] = {{1000, 1001, 1072}, {1004, 1005, 1073},
                                  {1008, 1009, 1074}, {1012, 1013, 1075},
                                  {1016, 1017, 1071}};
    static const char* const values[] = {"f1", "f2", "f3", "f4", "f5"};
    AddPoints(f.inputs, ids, values);
    f.inputs.push_back({1023, "points", "2 à 5"});
    f.groups.push_back({1076, "format", "format de la fonction",
                        {{1076, "decimal"}, {1077, "degres"}, {1078, "heures"}}});
    f.results = {{1079, "res_date", "date"},
                 {1080, "res_heure", "heure"},
                 {1029, "res_fonction", "valeur de la fonction"}};
    forms.push_back(std::move(f));
  }

  const std::vector<BatchColumn> sides = {
      {1095, "a", "côté a"},      {1096, "b", "côté b"},      {1097, "c", "côté c"},
      {1088, "ang_a", "angle A"}, {1089, "ang_b", "angle B"}, {1090, "ang_c", "angle C"}};
  const std::vector<BatchColumn> solved = {
      {1091, "res_a", "côté a"},      {1092, "res_b", "côté b"},
      {1093, "res_c", "côté c"},      {1098, "res_ang_a", "angle A"},
      {1099, "res_ang_b", "angle B"}, {1100, "res_ang_c", "angle C"}};
  const BatchGroup angleFormat{1102, "format", "format des angles",
                               {{1102, "decimal"}, {1124, "sexagesimal"}, {1123, "radians"}}};
  forms.push_back({144, sides, {angleFormat}, solved,
                   {{1103, "cas1"}, {1111, "cas2"}, {1112, "cas3"}, {1113, "cas4"},
                    {1114, "cas5"}, {1115, "cas6"}, {1116, "cas7"}, {1117, "cas8"}}});
  forms.push_back({146, sides, {angleFormat}, solved,
                   {{1103, "cas1"}, {1111, "cas2"}, {1112, "cas3"}, {1114, "cas4"},
                    {1115, "cas5"}}});

  forms.push_back({164,
                   {{1095, "axe", "demi-grand axe, nombre"},
                    {1121, "excentricite", "nombre dans [0, 1)"},
                    {1122, "periode", "période orbitale, nombre"}},
                   {{1136, "unites", "unités des données",
                     {{1136, "ua"}, {1137, "km"}}}},
                   {{1127, "perihelie", "km/s"}, {1126, "aphelie", "km/s"}},
                   {{1129, "calcul"}}});
  return forms;
}

}  // namespace

const std::vector<BatchForm>& BatchForms() {
  static const std::vector<BatchForm> forms = MakeForms();
  return forms;
}

const BatchForm* FindBatchForm(int form) {
  for (const BatchForm& f : BatchForms())
    if (f.form == form) return &f;
  return nullptr;
}

std::string FoldName(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 'A' && c <= 'Z') {
      out += static_cast<char>(c - 'A' + 'a');
    } else if (c == 0xC3 && i + 1 < text.size()) {
      // Latin-1 letters written as two bytes: C3 80..BF.
      unsigned char d = static_cast<unsigned char>(text[i + 1]) | 0x20;
      char base = 0;
      if (d >= 0xA0 && d <= 0xA5) base = 'a';
      else if (d == 0xA7) base = 'c';
      else if (d >= 0xA8 && d <= 0xAB) base = 'e';
      else if (d >= 0xAC && d <= 0xAF) base = 'i';
      else if (d >= 0xB2 && d <= 0xB6) base = 'o';
      else if (d >= 0xB9 && d <= 0xBC) base = 'u';
      if (base && static_cast<unsigned char>(text[i + 1]) >= 0x80) {
        out += base;
        ++i;
      } else {
        out += static_cast<char>(c);
      }
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}
