// The tooltips shared by several forms' fields: what each kind of field
// accepts, with an example.
#pragma once

inline constexpr char kHintDate[] = "jj/mm/[-]aaaa ou Jaaaa — ex. 21/03/2025, J2000";
inline constexpr char kHintTime[] = "hh:mm:ss.s, temps universel — ex. 21:30:05";
inline constexpr char kHintLongitude[] =
    "±ddd:mm:ss, comptée positivement vers l'ouest — ex. -2:20:14";
inline constexpr char kHintLatitude[] = "±dd:mm:ss — ex. 48:50:11";
inline constexpr char kHintRightAscension[] = "hh:mm:ss.sss — ex. 6:45:08.917";
inline constexpr char kHintDeclination[] = "±dd:mm:ss.ss — ex. -16:42:58.02";
inline constexpr char kHintPoints[] = "nombre entier de 2 à 5 — ex. 3";
// Angles of the triangle solvers, in the format checked beside them.
inline constexpr char kHintTriangleAngle[] =
    "selon le format choisi : ddd.ddddd (point ou virgule), ddd:mm:ss.s ou "
    "r.rrrrrrr (point ou virgule) — ex. 30,5 ; 30:30:0 ; 0,53233";
// Tabulated values of the interpolation forms, in the format checked below.
inline constexpr char kHintFunctionValue[] =
    "selon le format choisi : décimal (point ou virgule), ±ddd:mm:ss ou "
    "±hh:mm:ss.s — ex. 12,5 ; -2:20:14 ; 6:45:8.9";
