// The maker's texts, the version and the web site: shared by the resource script and the code.
// Plain string macros, so that windres's preprocessor reads them as well as the compiler.
#pragma once

#define TOBRIN_COMPANY_NAME       "有限会社白砂ロム工房"
#define TOBRIN_COPYRIGHT          "Copyright (C) 2009 白砂ロム工房"
#define TOBRIN_RIGHTS             "All rights reserved."

// File and product version of the version record.
#define TOBRIN_VERSION_NUMBERS    1,2,0,0
#define TOBRIN_VERSION_TEXT       "1.2.0.0"
// The About box's version line, set at run time.
#define TOBRIN_ABOUT_VERSION      "version 1.21"

// The maker's web site: the home page and the donations page.
#define TOBRIN_HOME_URL           "https://tobrin.example.com/"
#define TOBRIN_DONATIONS_URL      "https://tobrin.example.com/donations.htm"
