#!/usr/bin/env python3
"""Turns a manual written in Markdown (docs/manual/*.md) into a PDF with WeasyPrint.

    build-manual.py SOURCE.md OUTPUT.pdf

The source starts with a block of "key: value" lines between two "---" lines (title, subtitle,
lang, contents, screenshot, screenshot-caption). The PDF gets a title page with the screenshot, a
table of contents with page numbers, bookmarks for every section and the fonts embedded.
Images are found relative to the source file.
"""
import html
import re
import sys
from pathlib import Path

import markdown
from weasyprint import CSS, HTML


def split_front_matter(text):
    lines = text.splitlines()
    if not lines or lines[0].strip() != "---":
        raise SystemExit("the manual must start with a front-matter block between --- lines")
    end = lines.index("---", 1)
    meta = {}
    for line in lines[1:end]:
        key, _, value = line.partition(":")
        meta[key.strip()] = value.strip()
    return meta, "\n".join(lines[end + 1:])


def contents_list(body_html):
    entries = []
    for level, anchor, title in re.findall(r'<h([23]) id="([^"]+)">(.*?)</h\1>', body_html):
        entries.append(f'<li class="toc-h{level}"><a href="#{anchor}">{title}</a></li>')
    return "<ul class=\"toc\">" + "".join(entries) + "</ul>"


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    source, output = Path(sys.argv[1]).resolve(), Path(sys.argv[2])
    meta, body = split_front_matter(source.read_text(encoding="utf-8"))
    body_html = markdown.markdown(
        body, extensions=["tables", "fenced_code", "toc"], output_format="html5")
    title = html.escape(meta["title"])
    page = f"""<!DOCTYPE html>
<html lang="{meta.get('lang', 'en')}"><head><meta charset="utf-8"><title>{title}</title></head>
<body>
<section class="cover">
  <h1 class="cover-title">{title}</h1>
  <p class="cover-subtitle">{html.escape(meta.get('subtitle', ''))}</p>
  <figure><img src="{html.escape(meta['screenshot'])}" alt="">
  <figcaption>{html.escape(meta.get('screenshot-caption', ''))}</figcaption></figure>
</section>
<nav class="contents"><h1 class="contents-title">{html.escape(meta.get('contents', 'Contents'))}</h1>
{contents_list(body_html)}</nav>
<main>{body_html}</main>
</body></html>"""
    stylesheet = CSS(filename=str(Path(__file__).resolve().parent.parent / "docs/manual/manual.css"))
    output.parent.mkdir(parents=True, exist_ok=True)
    HTML(string=page, base_url=str(source.parent) + "/").write_pdf(
        str(output), stylesheets=[stylesheet])


if __name__ == "__main__":
    main()
