// Night vision: the program opens a page with "#nuit" after its address
// ("#nuit:anchor" for a place in the page). The page is then shown red on
// black (zenko.css, html.nuit), and its frames and links to the other
// pages of the help keep the mark.
(function () {
  "use strict";
  var MARK = /^#nuit(?::(.*))?$/;

  // A page of the help ("page.htm" or "page.htm#anchor") with the mark.
  function marked(address) {
    if (!/^[\w.-]+\.htm(#[\w-]*)?$/.test(address) || /#nuit(:|$)/.test(address)) return address;
    var at = address.indexOf("#");
    return at < 0 ? address + "#nuit" : address.slice(0, at) + "#nuit:" + address.slice(at + 1);
  }

  function mark(element, attribute) {
    var address = element.getAttribute(attribute);
    if (address && marked(address) !== address) element.setAttribute(attribute, marked(address));
  }

  function night() {
    var found = MARK.exec(window.location.hash);
    if (!found) return;
    var root = document.documentElement;
    if (!/(^|\s)nuit(\s|$)/.test(root.className)) root.className += " nuit";
    if (document.readyState === "loading") return;
    var i, frames = document.getElementsByTagName("frame"), links = document.getElementsByTagName("a");
    for (i = 0; i < frames.length; ++i) mark(frames[i], "src");
    for (i = 0; i < links.length; ++i) mark(links[i], "href");
    var anchor = found[1] && document.getElementById(found[1]);
    if (anchor) anchor.scrollIntoView();
  }

  night();
  document.addEventListener("DOMContentLoaded", night);
  window.addEventListener("hashchange", night);
})();
