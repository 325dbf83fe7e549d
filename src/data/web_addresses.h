#pragma once
// The hosts of the web pages the program opens. The installation
// is a sample, so they are the sample's own reserved names; a real
// installation sets its own here.

namespace velmira::web {

// The product's site: the entrance-examination and grants pages.
inline constexpr char kProductSite[] = "http://www.velmira.example";
// The external directory of studies that are not university degrees.
inline constexpr char kStudiesDirectory[] = "http://www.estudios.example";
// The guide of postgraduate studies (masters).
inline constexpr char kPostgraduateGuide[] = "http://www.posgrados.example";
// The public employment service, whose training page the certificates window opens.
inline constexpr char kEmploymentService[] = "https://www.empleo.example";

} // namespace velmira::web
