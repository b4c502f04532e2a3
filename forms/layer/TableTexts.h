// The formats several forms give their table columns (zenko-batch --champs):
// what to type in a column, or what it shows.
#pragma once

inline constexpr char kTableDate[] = "jj/mm/aaaa";
inline constexpr char kTableDateEpoch[] = "jj/mm/aaaa ou Jaaaa";
inline constexpr char kTableTime[] = "hh:mm:ss.s";
inline constexpr char kTableLatitude[] = "±dd:mm:ss";
inline constexpr char kTableLongitude[] = "±ddd:mm:ss, positive vers l'ouest";
inline constexpr char kTableRightAscension[] = "hh:mm:ss.sss";
inline constexpr char kTableDeclination[] = "±dd:mm:ss.ss";
// Tabulated values of the interpolation forms.
inline constexpr char kTableValue[] = "nombre, ±ddd:mm:ss ou ±hh:mm:ss.s selon le format";
