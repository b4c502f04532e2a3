// What every parsing operation of the core returns: one name per outcome.
// The core shows nothing; the form layer gives each failure its message.
#pragma once

enum class ParseStatus {
  Ok,              // a usable value
  Epoch,           // a usable Julian epoch date "Jaaaa"
  Empty,           // the text is empty
  Syntax,          // not of the field's syntax (its form names the format)
  SixtyOrMore,     // minutes or seconds of 60 or more
  TimeSyntax,      // a time of day not written hh:mm:ss.s
  HourOutOfRange,  // a time of day outside [0, 24) h (the hours are written)
  DateSyntax,      // a date not written jj/mm/[-]aaaa
  EpochSyntax,     // a Julian epoch not written Jaaaa
  NoSuchDate,      // a date the calendar does not hold
};
