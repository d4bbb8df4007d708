# Origins (scheme, host, port) of the vendor's services. A release sets them;
# the defaults are under the reserved .example domain so that a build never
# talks to a real host by accident. Test builds point them at the local
# vendor services on 127.0.0.1.
set(LITE_ORIGIN_DOWNLOAD "https://download.velnor.example" CACHE STRING "Download CDN")
set(LITE_ORIGIN_LEGAL "https://legal.velnor.example" CACHE STRING "Legal documents")
set(LITE_ORIGIN_BROWSER_API "https://api.browser.velnor.example" CACHE STRING
    "Browser API (variations seed)")
set(LITE_ORIGIN_ABT "https://ab.velnor.example" CACHE STRING "A/B service")
set(LITE_ORIGIN_WEBNTP "https://newtab.velnor.example" CACHE STRING "Web new-tab page")
set(LITE_ORIGIN_CONFIG "https://config.velnor.example" CACHE STRING
    "Configuration service (server configuration bundle)")
set(LITE_ORIGIN_STATS "https://stats.velnor.example" CACHE STRING "Statistics service")
set(LITE_ORIGIN_STATS_STORAGE "https://stats-storage.velnor.example" CACHE STRING
    "Statistics storage (installation-finished report)")
set(LITE_ORIGIN_CRASH "https://crash-reports.velnor.example" CACHE STRING
    "Crash-report service (minidump uploads)")

# The vendor's browser site, where the failure dialogs send the user: one
# host per country edition, chosen by the brand id.
set(LITE_ORIGIN_BROWSER_SITE "https://browser.velnor.example" CACHE STRING "Browser site")
set(LITE_ORIGIN_BROWSER_SITE_TR "https://browser.velnor-tr.example" CACHE STRING
    "Browser site of the Turkish edition (brand id velnor_tr)")
set(LITE_ORIGIN_BROWSER_SITE_KZ "https://browser.velnor-kz.example" CACHE STRING
    "Browser site of the Kazakh edition (brand id velnor_kz)")
set(LITE_ORIGIN_BROWSER_SITE_UZ "https://browser.velnor-uz.example" CACHE STRING
    "Browser site of the Uzbek edition (brand id velnor_uz)")

configure_file(${PROJECT_SOURCE_DIR}/installer/service_origins.h.in
               ${CMAKE_BINARY_DIR}/generated/installer/service_origins.h @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generated)
