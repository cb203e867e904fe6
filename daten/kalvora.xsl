<?xml version="1.0" encoding="UTF-8"?>
<!--
  Kalvora: turns the appointment export (kalvora.dtd) into a printable list of days,
  one table per month. Plain XSLT 1.0, so xsltproc and the browsers can both apply it.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">

  <xsl:output method="html" encoding="UTF-8" doctype-system="about:legacy-compat" indent="yes"/>

  <!-- Named colours by their value (upper case), for legends and tooltips. -->
  <xsl:key name="farbe" match="BENANNTEFARBEN/FARBE"
           use="translate(normalize-space(FARBWERT), 'abcdef', 'ABCDEF')"/>
  <!-- The days of one month: "mm.yyyy". -->
  <xsl:key name="monat" match="TAG" use="substring(normalize-space(DATUM), 4, 7)"/>

  <xsl:template match="/">
    <xsl:apply-templates select="TERMINLISTE"/>
  </xsl:template>

  <xsl:template match="TERMINLISTE">
    <xsl:variable name="titel">
      <xsl:text>Terminliste </xsl:text>
      <xsl:call-template name="zeitraum"/>
    </xsl:variable>
    <xsl:variable name="tage" select="ZEITRAUM//TAG"/>
    <xsl:variable name="monate"
        select="$tage[generate-id() = generate-id(key('monat', substring(normalize-space(DATUM), 4, 7))[1])]"/>
    <html lang="de">
      <head>
        <meta charset="UTF-8"/>
        <meta name="viewport" content="width=device-width, initial-scale=1"/>
        <title><xsl:value-of select="$titel"/></title>
        <style>
          <xsl:call-template name="stil"/>
        </style>
      </head>
      <body>
        <header class="seitenkopf">
          <h1><xsl:value-of select="$titel"/></h1>
          <xsl:apply-templates select="DATEIINFOS" mode="erstellt"/>
        </header>
        <xsl:call-template name="legende">
          <xsl:with-param name="farben" select="BENANNTEFARBEN/FARBE"/>
        </xsl:call-template>
        <xsl:if test="count($monate) &gt; 1">
          <nav class="monate" aria-label="Monate">
            <xsl:for-each select="$monate">
              <xsl:variable name="mj" select="substring(normalize-space(DATUM), 4, 7)"/>
              <a href="#m{translate($mj, '.', '-')}">
                <xsl:call-template name="monatsname">
                  <xsl:with-param name="monat" select="number(substring($mj, 1, 2))"/>
                  <xsl:with-param name="kurz" select="true()"/>
                </xsl:call-template>
                <xsl:text> </xsl:text>
                <xsl:value-of select="substring($mj, 4)"/>
              </a>
            </xsl:for-each>
          </nav>
        </xsl:if>
        <main>
          <xsl:if test="not($tage)">
            <p class="hinweis">Der Zeitraum enthält keine Tage.</p>
          </xsl:if>
          <xsl:for-each select="$monate">
            <xsl:variable name="mj" select="substring(normalize-space(DATUM), 4, 7)"/>
            <section class="monat" id="m{translate($mj, '.', '-')}">
              <table class="tage">
                <colgroup>
                  <col class="sp-wt"/>
                  <col class="sp-dat"/>
                  <col/>
                </colgroup>
                <!-- As the table's head the month's name comes again on every printed page. -->
                <thead>
                  <tr>
                    <th class="monatskopf" colspan="3" scope="colgroup">
                      <xsl:call-template name="monatsname">
                        <xsl:with-param name="monat" select="number(substring($mj, 1, 2))"/>
                      </xsl:call-template>
                      <xsl:text> </xsl:text>
                      <xsl:value-of select="substring($mj, 4)"/>
                    </th>
                  </tr>
                </thead>
                <tbody>
                  <xsl:apply-templates select="key('monat', $mj)" mode="zeile"/>
                </tbody>
              </table>
            </section>
          </xsl:for-each>
        </main>
        <xsl:apply-templates select="DATEIINFOS" mode="fuss"/>
      </body>
    </html>
  </xsl:template>

  <!-- One row per day; a day without entries stays a thin row. -->
  <xsl:template match="TAG" mode="zeile">
    <xsl:variable name="wt" select="normalize-space(WOTAG)"/>
    <xsl:variable name="leer"
        select="not(GEBURTSTAG or NAMENSTAG or TAGESFARBEN/WERT or TAGESINFO[normalize-space()] or TERMIN)"/>
    <tr>
      <xsl:attribute name="class">
        <xsl:text>tag</xsl:text>
        <xsl:if test="$leer"> leer</xsl:if>
        <xsl:if test="$wt = 'Samstag'"> sa</xsl:if>
        <xsl:if test="$wt = 'Sonntag'"> so</xsl:if>
      </xsl:attribute>
      <th class="wt" scope="row" title="{$wt}">
        <xsl:value-of select="substring($wt, 1, 2)"/>
      </th>
      <td class="dat">
        <xsl:value-of select="substring(normalize-space(DATUM), 1, 6)"/>
      </td>
      <td class="inhalt">
        <xsl:if test="not($leer)">
          <xsl:if test="TAGESFARBEN/WERT or GEBURTSTAG or NAMENSTAG">
            <div class="kopfzeile">
              <xsl:for-each select="TAGESFARBEN/WERT">
                <xsl:call-template name="marke">
                  <xsl:with-param name="wert" select="."/>
                  <xsl:with-param name="mitName" select="true()"/>
                </xsl:call-template>
              </xsl:for-each>
              <xsl:apply-templates select="GEBURTSTAG"/>
              <xsl:apply-templates select="NAMENSTAG"/>
            </div>
          </xsl:if>
          <xsl:apply-templates select="TAGESINFO"/>
          <xsl:if test="TERMIN">
            <ul class="termine">
              <xsl:apply-templates select="TERMIN"/>
            </ul>
          </xsl:if>
        </xsl:if>
      </td>
    </tr>
  </xsl:template>

  <xsl:template match="TERMIN">
    <li class="termin">
      <xsl:call-template name="terminfarbe"/>
      <span class="zeit"><xsl:call-template name="zeit"/></span>
      <span class="text">
        <span class="beschr"><xsl:value-of select="BESCHREIBUNG"/></span>
        <xsl:if test="normalize-space(ORT) != ''">
          <span class="ort"><xsl:value-of select="ORT"/></span>
        </xsl:if>
        <xsl:if test="normalize-space(KATEGORIE) != ''">
          <span class="kat"><xsl:value-of select="KATEGORIE"/></span>
        </xsl:if>
        <xsl:apply-templates select="LINK[normalize-space()]"/>
      </span>
    </li>
  </xsl:template>

  <!-- ===== Shared pieces (the week and month sheets carry the same ones) ===== -->

  <xsl:template match="GEBURTSTAG">
    <span class="geb">
      <span class="etikett">Geburtstag: </span>
      <xsl:for-each select="PERSON">
        <xsl:if test="position() &gt; 1">, </xsl:if>
        <xsl:value-of select="normalize-space(NAME)"/>
        <xsl:if test="normalize-space(ALTER) != ''">
          <xsl:text> (</xsl:text>
          <xsl:value-of select="normalize-space(ALTER)"/>
          <xsl:text>)</xsl:text>
        </xsl:if>
      </xsl:for-each>
    </span>
  </xsl:template>

  <xsl:template match="NAMENSTAG">
    <span class="nt">
      <span class="etikett">Namenstag: </span>
      <xsl:for-each select="NAME">
        <xsl:if test="position() &gt; 1">, </xsl:if>
        <xsl:value-of select="normalize-space(.)"/>
      </xsl:for-each>
    </span>
  </xsl:template>

  <xsl:template match="TAGESINFO">
    <xsl:if test="normalize-space(.) != ''">
      <div class="info">
        <xsl:call-template name="zeilen">
          <xsl:with-param name="text" select="string(.)"/>
        </xsl:call-template>
      </div>
    </xsl:if>
  </xsl:template>

  <xsl:template name="zeitraum">
    <xsl:variable name="von" select="normalize-space(ZEITRAUM/STARTDATUM)"/>
    <xsl:variable name="bis" select="normalize-space(ZEITRAUM/ENDDATUM)"/>
    <xsl:value-of select="$von"/>
    <xsl:if test="$bis != '' and $bis != $von">
      <xsl:text> – </xsl:text>
      <xsl:value-of select="$bis"/>
    </xsl:if>
  </xsl:template>

  <xsl:template match="DATEIINFOS" mode="erstellt">
    <p class="erstellt">
      <xsl:if test="normalize-space(ERSTELLT_AM) != ''">
        <xsl:text>Erstellt am </xsl:text>
        <xsl:value-of select="normalize-space(ERSTELLT_AM)"/>
        <xsl:if test="normalize-space(ERSTELLT_UM) != ''">
          <xsl:text> um </xsl:text>
          <xsl:value-of select="normalize-space(ERSTELLT_UM)"/>
          <xsl:text> Uhr</xsl:text>
        </xsl:if>
      </xsl:if>
      <xsl:if test="normalize-space(QUELLE) != ''">
        <xsl:if test="normalize-space(ERSTELLT_AM) != ''"> · </xsl:if>
        <xsl:text>Kalender: </xsl:text>
        <span class="quelle"><xsl:value-of select="QUELLE"/></span>
      </xsl:if>
    </p>
  </xsl:template>

  <xsl:template match="DATEIINFOS" mode="fuss">
    <footer class="seitenfuss">
      <xsl:value-of select="COPYRIGHT"/>
      <xsl:if test="normalize-space(COPYRIGHT) != '' and normalize-space(VERSION) != ''"> · </xsl:if>
      <xsl:value-of select="VERSION"/>
    </footer>
  </xsl:template>

  <xsl:template name="legende">
    <xsl:param name="farben"/>
    <xsl:if test="$farben">
      <section class="legende" aria-label="Farben">
        <span class="etikett">Farben:</span>
        <xsl:for-each select="$farben">
          <xsl:call-template name="marke">
            <xsl:with-param name="wert" select="FARBWERT"/>
            <xsl:with-param name="name" select="string(FARBNAME)"/>
            <xsl:with-param name="mitName" select="true()"/>
          </xsl:call-template>
        </xsl:for-each>
      </section>
    </xsl:if>
  </xsl:template>

  <!-- A colour as "RRGGBB" in upper case, or empty when the value is no such colour
       (it ends up in a style attribute, so nothing else may pass). -->
  <xsl:template name="hexfarbe">
    <xsl:param name="wert"/>
    <xsl:variable name="w" select="translate(normalize-space($wert), 'abcdef', 'ABCDEF')"/>
    <xsl:if test="string-length($w) = 6 and translate($w, '0123456789ABCDEF', '') = ''">
      <xsl:value-of select="$w"/>
    </xsl:if>
  </xsl:template>

  <!-- The names a colour value carries, joined; empty for an unnamed colour. -->
  <xsl:template name="farbname">
    <xsl:param name="hex"/>
    <xsl:for-each select="key('farbe', $hex)">
      <xsl:if test="position() &gt; 1"> / </xsl:if>
      <xsl:value-of select="normalize-space(FARBNAME)"/>
    </xsl:for-each>
  </xsl:template>

  <!-- A small swatch, its name as tooltip and, if asked, as text beside it. -->
  <xsl:template name="marke">
    <xsl:param name="wert"/>
    <xsl:param name="name">
      <xsl:call-template name="farbname">
        <xsl:with-param name="hex" select="translate(normalize-space($wert), 'abcdef', 'ABCDEF')"/>
      </xsl:call-template>
    </xsl:param>
    <xsl:param name="mitName" select="false()"/>
    <xsl:variable name="hex">
      <xsl:call-template name="hexfarbe">
        <xsl:with-param name="wert" select="$wert"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:if test="$hex != ''">
      <span class="marke">
        <xsl:attribute name="title">
          <xsl:choose>
            <xsl:when test="normalize-space($name) != ''"><xsl:value-of select="normalize-space($name)"/></xsl:when>
            <xsl:otherwise>#<xsl:value-of select="$hex"/></xsl:otherwise>
          </xsl:choose>
        </xsl:attribute>
        <span class="muster" style="background-color:#{$hex}"></span>
        <xsl:if test="$mitName and normalize-space($name) != ''">
          <span class="mname"><xsl:value-of select="normalize-space($name)"/></span>
        </xsl:if>
      </span>
    </xsl:if>
  </xsl:template>

  <!-- Class and colour of an appointment's bar; white means it has no colour. -->
  <xsl:template name="terminfarbe">
    <xsl:variable name="hex">
      <xsl:call-template name="hexfarbe">
        <xsl:with-param name="wert" select="TERMINFARBE"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:choose>
      <xsl:when test="$hex != '' and $hex != 'FFFFFF'">
        <xsl:attribute name="style">border-left-color:#<xsl:value-of select="$hex"/></xsl:attribute>
        <xsl:variable name="name">
          <xsl:call-template name="farbname">
            <xsl:with-param name="hex" select="$hex"/>
          </xsl:call-template>
        </xsl:variable>
        <xsl:if test="$name != ''">
          <xsl:attribute name="title">Farbe: <xsl:value-of select="$name"/></xsl:attribute>
        </xsl:if>
      </xsl:when>
      <xsl:otherwise>
        <xsl:attribute name="class">termin ohnefarbe</xsl:attribute>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- "09:00–10:30"; a single time without duration; the days an appointment runs past
       midnight as "(+1 Tag)". -->
  <xsl:template name="zeit">
    <xsl:variable name="s" select="normalize-space(STARTZEIT)"/>
    <xsl:variable name="e" select="normalize-space(ENDZEIT)"/>
    <xsl:variable name="d" select="number(normalize-space(DAUER))"/>
    <xsl:if test="$s != ''">
      <xsl:value-of select="$s"/>
      <xsl:if test="$e != '' and ($d &gt; 0 or (string($d) = 'NaN' and $e != $s))">
        <xsl:text>–</xsl:text>
        <xsl:value-of select="$e"/>
        <xsl:variable name="ende"
            select="number(substring($s, 1, 2)) * 60 + number(substring($s, 4, 2)) + $d"/>
        <xsl:variable name="tage" select="floor($ende div 1440)"/>
        <!-- Exactly midnight of the same day is written as 24:00. -->
        <xsl:if test="$ende != 1440 and $tage &gt;= 1">
          <xsl:text> </xsl:text>
          <span class="folgetag">
            <xsl:text>(+</xsl:text>
            <xsl:value-of select="$tage"/>
            <xsl:choose>
              <xsl:when test="$tage = 1"> Tag)</xsl:when>
              <xsl:otherwise> Tage)</xsl:otherwise>
            </xsl:choose>
          </span>
        </xsl:if>
      </xsl:if>
    </xsl:if>
  </xsl:template>

  <!-- The info text keeps its lines joined by '#'. -->
  <xsl:template name="zeilen">
    <xsl:param name="text"/>
    <xsl:variable name="zeile">
      <xsl:choose>
        <xsl:when test="contains($text, '#')"><xsl:value-of select="substring-before($text, '#')"/></xsl:when>
        <xsl:otherwise><xsl:value-of select="$text"/></xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <xsl:if test="normalize-space($zeile) != ''">
      <div class="zeile"><xsl:value-of select="$zeile"/></div>
    </xsl:if>
    <xsl:if test="contains($text, '#')">
      <xsl:call-template name="zeilen">
        <xsl:with-param name="text" select="substring-after($text, '#')"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- A link: web addresses as they are, an absolute path as a file URL; script and data
       URLs are shown but not made clickable. $text replaces the address as the visible text. -->
  <xsl:template match="LINK">
    <xsl:param name="text"/>
    <xsl:variable name="klein"
        select="translate(translate(., ' &#9;&#10;&#13;', ''),
                          'ABCDEFGHIJKLMNOPQRSTUVWXYZ', 'abcdefghijklmnopqrstuvwxyz')"/>
    <xsl:variable name="erstes" select="substring(normalize-space(.), 1, 1)"/>
    <xsl:variable name="ohneVorlauf" select="concat($erstes, substring-after(., $erstes))"/>
    <xsl:variable name="schema" select="substring-before($klein, ':')"/>
    <xsl:variable name="hatSchema"
        select="string-length($schema) &gt; 1
                and translate(substring($schema, 1, 1), 'abcdefghijklmnopqrstuvwxyz', '') = ''
                and translate($schema, 'abcdefghijklmnopqrstuvwxyz0123456789+.-', '') = ''"/>
    <xsl:choose>
      <xsl:when test="starts-with($klein, 'javascript:') or starts-with($klein, 'vbscript:')
                      or starts-with($klein, 'data:')">
        <span class="link gesperrt" title="{.}"><xsl:value-of select="."/></span>
      </xsl:when>
      <xsl:otherwise>
        <a class="link">
          <xsl:attribute name="href">
            <xsl:choose>
              <xsl:when test="not($hatSchema) and $erstes = '/'">
                <xsl:text>file://</xsl:text>
                <xsl:call-template name="pfad-url">
                  <xsl:with-param name="text" select="$ohneVorlauf"/>
                </xsl:call-template>
              </xsl:when>
              <xsl:otherwise><xsl:value-of select="$ohneVorlauf"/></xsl:otherwise>
            </xsl:choose>
          </xsl:attribute>
          <xsl:choose>
            <xsl:when test="$text != ''">
              <xsl:attribute name="title"><xsl:value-of select="."/></xsl:attribute>
              <xsl:value-of select="$text"/>
            </xsl:when>
            <xsl:otherwise><xsl:value-of select="."/></xsl:otherwise>
          </xsl:choose>
        </a>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- A file name's '%', '#' and '?' would be read as URL syntax. -->
  <xsl:template name="pfad-url">
    <xsl:param name="text"/>
    <xsl:variable name="z" select="substring($text, 1, 1)"/>
    <xsl:if test="$text != ''">
      <xsl:choose>
        <xsl:when test="$z = '%'">%25</xsl:when>
        <xsl:when test="$z = '#'">%23</xsl:when>
        <xsl:when test="$z = '?'">%3F</xsl:when>
        <xsl:otherwise><xsl:value-of select="$z"/></xsl:otherwise>
      </xsl:choose>
      <xsl:call-template name="pfad-url">
        <xsl:with-param name="text" select="substring($text, 2)"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <xsl:template name="monatsname">
    <xsl:param name="monat"/>
    <xsl:param name="kurz" select="false()"/>
    <xsl:variable name="name">
      <xsl:choose>
        <xsl:when test="$monat = 1">Januar</xsl:when>
        <xsl:when test="$monat = 2">Februar</xsl:when>
        <xsl:when test="$monat = 3">März</xsl:when>
        <xsl:when test="$monat = 4">April</xsl:when>
        <xsl:when test="$monat = 5">Mai</xsl:when>
        <xsl:when test="$monat = 6">Juni</xsl:when>
        <xsl:when test="$monat = 7">Juli</xsl:when>
        <xsl:when test="$monat = 8">August</xsl:when>
        <xsl:when test="$monat = 9">September</xsl:when>
        <xsl:when test="$monat = 10">Oktober</xsl:when>
        <xsl:when test="$monat = 11">November</xsl:when>
        <xsl:when test="$monat = 12">Dezember</xsl:when>
      </xsl:choose>
    </xsl:variable>
    <xsl:choose>
      <xsl:when test="$kurz"><xsl:value-of select="substring($name, 1, 3)"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="$name"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="stil">
    <xsl:text>
* { box-sizing: border-box; -webkit-print-color-adjust: exact; print-color-adjust: exact; }
html { background: #fff; }
body { margin: 0 auto; max-width: 60rem; padding: 1.2rem 1.5rem 2rem; color: #1d2430;
  font: 10.5pt/1.35 "Segoe UI", "DejaVu Sans", "Liberation Sans", Arial, sans-serif; }
h1 { font-size: 17pt; margin: 0 0 .15rem; }
section.monat { margin-top: 1.2rem; }
th.monatskopf { padding: 0 0 .15rem; font-size: 13pt; text-align: left; color: #1f4e8c;
  border-bottom: 2px solid #1f4e8c; }
.erstellt { margin: 0; color: #5b6472; font-size: 9pt; }
.quelle { word-break: break-all; }
.etikett { color: #5b6472; }
.legende { display: flex; flex-wrap: wrap; gap: .25rem .9rem; align-items: center;
  margin: .7rem 0 0; padding: .35rem .6rem; border: 1px solid #d5dae1; border-radius: 4px;
  font-size: 9pt; }
.monate { display: flex; flex-wrap: wrap; gap: .2rem .6rem; margin: .6rem 0 0; font-size: 9pt; }
.monate a { color: #1f4e8c; text-decoration: none; }
.monate a:hover { text-decoration: underline; }
.marke { display: inline-flex; align-items: center; gap: .25rem; white-space: nowrap; }
.muster { display: inline-block; width: .85em; height: .85em; border-radius: 2px;
  border: 1px solid rgba(0, 0, 0, .45); vertical-align: -.1em; }
.mname { font-size: 9pt; }
table.tage { width: 100%; border-collapse: collapse; table-layout: fixed; }
col.sp-wt { width: 2.3rem; }
col.sp-dat { width: 3.6rem; }
tr.tag > * { border-top: 1px solid #e3e6eb; padding: .3rem .35rem; vertical-align: top; text-align: left; }
tr.tag th.wt { font-weight: 600; }
tr.tag td.dat { font-variant-numeric: tabular-nums; }
tr.sa > * { background: #f4f6f8; }
tr.so > * { background: #eaeef3; }
tr.so th.wt, tr.so td.dat { color: #9a2a2a; }
tr.leer > * { padding-top: .05rem; padding-bottom: .05rem; font-size: 8.5pt; color: #8a93a2; }
tr.leer th.wt { font-weight: normal; }
tr.leer.so th.wt, tr.leer.so td.dat { color: #b46a6a; }
td.inhalt { overflow-wrap: anywhere; }
.kopfzeile { display: flex; flex-wrap: wrap; gap: .15rem .9rem; align-items: center; }
.geb .etikett, .nt .etikett { font-weight: 600; color: #1d2430; }
.info { margin: .1rem 0; padding-left: .45rem; border-left: 2px solid #c7ccd4; color: #3a4150; }
.termine { list-style: none; margin: .15rem 0 0; padding: 0; }
.termin { display: flex; gap: .6rem; margin: .15rem 0; padding: .05rem 0 .05rem .45rem;
  border-left: 4px solid #c7ccd4; break-inside: avoid; }
.termin.ohnefarbe { border-left: 4px dotted #c7ccd4; }
.zeit { flex: 0 0 7.4rem; font-variant-numeric: tabular-nums; color: #2b3443; }
.folgetag { display: block; font-size: 8.5pt; color: #5b6472; }
.text { flex: 1 1 auto; min-width: 0; }
.beschr { font-weight: 600; }
.ort::before { content: " · "; color: #8a93a2; font-weight: normal; }
.kat { display: inline-block; margin-left: .4rem; padding: 0 .35rem; border: 1px solid #b9c0ca;
  border-radius: 3px; font-size: 8.5pt; color: #3a4150; }
.link { display: block; font-size: 9pt; color: #1f4e8c; word-break: break-all; }
.link.gesperrt { color: #5b6472; }
.hinweis { color: #5b6472; font-style: italic; }
.seitenfuss { margin-top: 1.5rem; padding-top: .3rem; border-top: 1px solid #d5dae1;
  color: #5b6472; font-size: 8.5pt; }
@page { size: A4 portrait; margin: 12mm 12mm 14mm; }
@media print {
  body { max-width: none; padding: 0; font-size: 9.5pt; }
  .monate { display: none; }
  a { color: inherit; text-decoration: none; }
  thead { display: table-header-group; }
  tr.tag { break-inside: avoid; page-break-inside: avoid; }
  .seitenfuss { break-inside: avoid; }
}
</xsl:text>
  </xsl:template>

</xsl:stylesheet>
