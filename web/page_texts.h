// The page's own texts, which the window has no need of: what it says when it cannot start. The
// build writes them into the page in every language, since they must show before anything else
// can be fetched.
#pragma once

#include <form/translatable.h>

#include <string_view>

namespace web {

//: Shown on the web page when its program or one of its files could not be fetched, over a button
//: that loads the page again.
inline constexpr std::string_view kCouldNotLoad = form::Translatable(
    "web::Page", "The page could not load. Check the connection, then try again.");
//: The button under that message, which loads the web page again.
inline constexpr std::string_view kTryAgain = form::Translatable("web::Page", "Try again");

} // namespace web
