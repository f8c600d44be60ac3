// The three exported tables: name suffixes, state codes and state names. The state tables share
// one order, alphabetical by name with the District of Columbia ninth; the state index that hosts
// store and the profile's "State" key are positions in it, so it must never be reordered.
#include "family/comdlg/caddow.h"

const char* _Rank[7] = {"", "Sr.", "Jr.", "II", "III", "IV", "V"};

const char* _StateCode[51] = {"AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "DC", "FL", "GA",
                              "HI", "ID", "IL", "IN", "IA", "KS", "KY", "LA", "ME", "MD", "MA",
                              "MI", "MN", "MS", "MO", "MT", "NE", "NV", "NH", "NJ", "NM", "NY",
                              "NC", "ND", "OH", "OK", "OR", "PA", "RI", "SC", "SD", "TN", "TX",
                              "UT", "VT", "VA", "WA", "WV", "WI", "WY"};

const char* _StateName[51] = {"Alabama",        "Alaska",         "Arizona",
                              "Arkansas",       "California",     "Colorado",
                              "Connecticut",    "Delaware",       "District of Columbia",
                              "Florida",        "Georgia",        "Hawaii",
                              "Idaho",          "Illinois",       "Indiana",
                              "Iowa",           "Kansas",         "Kentucky",
                              "Louisiana",      "Maine",          "Maryland",
                              "Massachusetts",  "Michigan",       "Minnesota",
                              "Mississippi",    "Missouri",       "Montana",
                              "Nebraska",       "Nevada",         "New Hampshire",
                              "New Jersey",     "New Mexico",     "New York",
                              "North Carolina", "North Dakota",   "Ohio",
                              "Oklahoma",       "Oregon",         "Pennsylvania",
                              "Rhode Island",   "South Carolina", "South Dakota",
                              "Tennessee",      "Texas",          "Utah",
                              "Vermont",        "Virginia",       "Washington",
                              "West Virginia",  "Wisconsin",      "Wyoming"};
