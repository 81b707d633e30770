// The web pages the about box and the hidden console open.
#pragma once

namespace kestrune {

// The game's own page on its maker's site, in Russian.
inline constexpr char kHomePage[] = "https://brenvik.example/ru/kestrune/";
// The start page of the maker's site.
inline constexpr char kSitePage[] = "https://brenvik.example/";
// The author's profiles on two social networks.
inline constexpr char kFirstProfilePage[] = "https://friendsbook.example/orlaine";
inline constexpr char kSecondProfilePage[] = "https://chirpline.example/@orlaine";
// The online newspaper hosted on the maker's site.
inline constexpr char kNewspaperPage[] = "https://brenvik.example/gazette/";

}  // namespace kestrune
