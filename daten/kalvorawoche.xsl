<?xml version="1.0" encoding="UTF-8"?>
<!--
  Kalvora: turns the week export (kalvora.dtd) into a printable week plan, seven columns
  Monday to Sunday. A longer period continues with one row per further week.
  Plain XSLT 1.0, so xsltproc and the browsers can both apply it.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">

  <xsl:output method="html" encoding="UTF-8" doctype-system="about:legacy-compat" indent="yes"/>

  <!-- Named colours by their value (upper case), for legends and tooltips. -->
  <xsl:key name="farbe" match="BENANNTEFARBEN/FARBE"
           use="translate(normalize-space(FARBWERT), 'abcdef', 'ABCDEF')"/>
  <!-- The colours the period uses; an appointment in white has none. -->
  <xsl:key name="verwendet"
           match="TAGESFARBEN/WERT | TERMINFARBE[translate(normalize-space(.), 'abcdef', 'ABCDEF') != 'FFFFFF']"
           use="translate(normalize-space(.), 'abcdef', 'ABCDEF')"/>
  <!-- The days by their date, for placing them in the grid. -->
  <xsl:key name="tag" match="ZEITRAUM//TAG" use="normalize-space(DATUM)"/>

  <xsl:template match="/">
    <xsl:apply-templates select="TERMINLISTE"/>
  </xsl:template>

  <xsl:template match="TERMINLISTE">
    <xsl:variable name="tage"
        select="ZEITRAUM//TAG[string-length(normalize-space(DATUM)) = 10
                              and translate(normalize-space(DATUM), '0123456789', '') = '..']"/>
    <xsl:variable name="erster">
      <xsl:call-template name="randtag">
        <xsl:with-param name="tage" select="$tage"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="letzter">
      <xsl:call-template name="randtag">
        <xsl:with-param name="tage" select="$tage"/>
        <xsl:with-param name="richtung" select="'descending'"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="von">
      <xsl:call-template name="tagesnummer">
        <xsl:with-param name="datum" select="$erster"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="bis">
      <xsl:call-template name="tagesnummer">
        <xsl:with-param name="datum" select="$letzter"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="montag" select="$von - ($von mod 7)"/>
    <xsl:variable name="titel">
      <xsl:text>Woche </xsl:text>
      <xsl:call-template name="zeitraum"/>
    </xsl:variable>
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
          <h1>
            <xsl:value-of select="$titel"/>
            <xsl:if test="$tage">
              <span class="kwtitel">
                <xsl:choose>
                  <xsl:when test="$bis &lt; $montag + 7">Kalenderwoche </xsl:when>
                  <xsl:otherwise>Kalenderwochen </xsl:otherwise>
                </xsl:choose>
                <xsl:call-template name="kalenderwoche">
                  <xsl:with-param name="montag" select="$montag"/>
                </xsl:call-template>
                <xsl:if test="$bis &gt;= $montag + 7">
                  <xsl:text> – </xsl:text>
                  <xsl:call-template name="kalenderwoche">
                    <xsl:with-param name="montag" select="$bis - ($bis mod 7)"/>
                  </xsl:call-template>
                </xsl:if>
              </span>
            </xsl:if>
          </h1>
          <xsl:apply-templates select="DATEIINFOS" mode="erstellt"/>
        </header>
        <xsl:call-template name="legende">
          <xsl:with-param name="farben"
              select="BENANNTEFARBEN/FARBE[key('verwendet', translate(normalize-space(FARBWERT), 'abcdef', 'ABCDEF'))]"/>
        </xsl:call-template>
        <main>
          <xsl:choose>
            <xsl:when test="not($tage)">
              <p class="hinweis">Der Zeitraum enthält keine Tage.</p>
            </xsl:when>
            <xsl:otherwise>
              <table>
                <xsl:attribute name="class">
                  <xsl:text>raster</xsl:text>
                  <xsl:if test="$bis &lt; $montag + 7"> einzeln</xsl:if>
                </xsl:attribute>
                <colgroup>
                  <col class="sp-kw"/>
                  <col span="7"/>
                </colgroup>
                <thead>
                  <tr>
                    <th class="kw" scope="col"><abbr title="Kalenderwoche">KW</abbr></th>
                    <th scope="col">Montag</th>
                    <th scope="col">Dienstag</th>
                    <th scope="col">Mittwoch</th>
                    <th scope="col">Donnerstag</th>
                    <th scope="col">Freitag</th>
                    <th scope="col" class="sa">Samstag</th>
                    <th scope="col" class="so">Sonntag</th>
                  </tr>
                </thead>
                <tbody>
                  <xsl:call-template name="rasterzeile">
                    <xsl:with-param name="montag" select="$montag"/>
                    <xsl:with-param name="von" select="$von"/>
                    <xsl:with-param name="bis" select="$bis"/>
                  </xsl:call-template>
                </tbody>
              </table>
            </xsl:otherwise>
          </xsl:choose>
        </main>
        <xsl:apply-templates select="DATEIINFOS" mode="fuss"/>
      </body>
    </html>
  </xsl:template>

  <!-- The head of a cell: its date. -->
  <xsl:template name="zellkopf">
    <xsl:param name="datum"/>
    <div class="datum"><xsl:value-of select="substring($datum, 1, 6)"/></div>
  </xsl:template>

  <!-- A day's cell: colour band, date, marks, birthdays, name days, info, appointments. -->
  <xsl:template match="TAG" mode="zelle">
    <xsl:call-template name="farbband"/>
    <div class="zelle">
      <xsl:call-template name="zellkopf">
        <xsl:with-param name="datum" select="normalize-space(DATUM)"/>
      </xsl:call-template>
      <xsl:if test="TAGESFARBEN/WERT">
        <div class="marken">
          <xsl:for-each select="TAGESFARBEN/WERT">
            <xsl:call-template name="marke">
              <xsl:with-param name="wert" select="."/>
              <xsl:with-param name="mitName" select="true()"/>
            </xsl:call-template>
          </xsl:for-each>
        </div>
      </xsl:if>
      <xsl:for-each select="GEBURTSTAG | NAMENSTAG">
        <div class="personen"><xsl:apply-templates select="."/></div>
      </xsl:for-each>
      <xsl:apply-templates select="TAGESINFO"/>
      <xsl:apply-templates select="TERMIN"/>
    </div>
  </xsl:template>

  <xsl:template match="TERMIN">
    <div class="termin">
      <xsl:call-template name="terminfarbe"/>
      <div class="zeit"><xsl:call-template name="zeit"/></div>
      <div class="beschr"><xsl:value-of select="BESCHREIBUNG"/></div>
      <xsl:if test="normalize-space(ORT) != ''">
        <div class="ort"><xsl:value-of select="ORT"/></div>
      </xsl:if>
      <xsl:if test="normalize-space(KATEGORIE) != ''">
        <div><span class="kat"><xsl:value-of select="KATEGORIE"/></span></div>
      </xsl:if>
      <xsl:apply-templates select="LINK[normalize-space()]"/>
    </div>
  </xsl:template>

  <!-- ===== Calendar grid (the week and month sheets carry the same one) ===== -->

  <!-- The earliest (or, descending, the latest) date of the days, as "dd.mm.yyyy". -->
  <xsl:template name="randtag">
    <xsl:param name="tage"/>
    <xsl:param name="richtung" select="'ascending'"/>
    <xsl:for-each select="$tage">
      <xsl:sort select="substring(normalize-space(DATUM), 7, 4)" data-type="number" order="{$richtung}"/>
      <xsl:sort select="substring(normalize-space(DATUM), 4, 2)" data-type="number" order="{$richtung}"/>
      <xsl:sort select="substring(normalize-space(DATUM), 1, 2)" data-type="number" order="{$richtung}"/>
      <xsl:if test="position() = 1"><xsl:value-of select="normalize-space(DATUM)"/></xsl:if>
    </xsl:for-each>
  </xsl:template>

  <!-- The running day number of "dd.mm.yyyy" (Julian day); its remainder by 7 is the
       weekday, 0 = Monday. -->
  <xsl:template name="tagesnummer">
    <xsl:param name="datum"/>
    <xsl:variable name="t" select="number(substring($datum, 1, 2))"/>
    <xsl:variable name="m" select="number(substring($datum, 4, 2))"/>
    <xsl:variable name="a" select="floor((14 - $m) div 12)"/>
    <xsl:variable name="y" select="number(substring($datum, 7, 4)) + 4800 - $a"/>
    <xsl:variable name="mm" select="$m + 12 * $a - 3"/>
    <xsl:value-of select="$t + floor((153 * $mm + 2) div 5) + 365 * $y + floor($y div 4)
                          - floor($y div 100) + floor($y div 400) - 32045"/>
  </xsl:template>

  <!-- The date of a day number, as "dd.mm.yyyy". -->
  <xsl:template name="datum">
    <xsl:param name="nummer"/>
    <xsl:variable name="a" select="$nummer + 32044"/>
    <xsl:variable name="b" select="floor((4 * $a + 3) div 146097)"/>
    <xsl:variable name="c" select="$a - floor(146097 * $b div 4)"/>
    <xsl:variable name="d" select="floor((4 * $c + 3) div 1461)"/>
    <xsl:variable name="e" select="$c - floor(1461 * $d div 4)"/>
    <xsl:variable name="m" select="floor((5 * $e + 2) div 153)"/>
    <xsl:value-of select="concat(format-number($e - floor((153 * $m + 2) div 5) + 1, '00'), '.',
                                 format-number($m + 3 - 12 * floor($m div 10), '00'), '.',
                                 format-number(100 * $b + $d - 4800 + floor($m div 10), '0000'))"/>
  </xsl:template>

  <!-- The ISO calendar week of the week beginning on day number $montag: the week of its
       Thursday, counted from the first Thursday of that Thursday's year. -->
  <xsl:template name="kalenderwoche">
    <xsl:param name="montag"/>
    <xsl:variable name="donnerstag">
      <xsl:call-template name="datum">
        <xsl:with-param name="nummer" select="$montag + 3"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="neujahr">
      <xsl:call-template name="tagesnummer">
        <xsl:with-param name="datum" select="concat('01.01.', substring($donnerstag, 7, 4))"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:value-of select="floor(($montag + 3 - $neujahr) div 7) + 1"/>
  </xsl:template>

  <!-- One row of the grid: the week from day number $montag; then the next week while the
       period lasts. -->
  <xsl:template name="rasterzeile">
    <xsl:param name="montag"/>
    <xsl:param name="von"/>
    <xsl:param name="bis"/>
    <tr>
      <th class="kwzeile" scope="row">
        <xsl:text>KW</xsl:text>
        <span class="kwnr">
          <xsl:call-template name="kalenderwoche">
            <xsl:with-param name="montag" select="$montag"/>
          </xsl:call-template>
        </span>
      </th>
      <xsl:call-template name="rasterzelle">
        <xsl:with-param name="nummer" select="$montag"/>
        <xsl:with-param name="von" select="$von"/>
        <xsl:with-param name="bis" select="$bis"/>
      </xsl:call-template>
    </tr>
    <xsl:if test="$montag + 7 &lt;= $bis">
      <xsl:call-template name="rasterzeile">
        <xsl:with-param name="montag" select="$montag + 7"/>
        <xsl:with-param name="von" select="$von"/>
        <xsl:with-param name="bis" select="$bis"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- The cells from day number $nummer to the week's Sunday. Before and after the period
       they stay empty; a day of the period the file lacks shows just its date. -->
  <xsl:template name="rasterzelle">
    <xsl:param name="nummer"/>
    <xsl:param name="von"/>
    <xsl:param name="bis"/>
    <xsl:variable name="datum">
      <xsl:call-template name="datum">
        <xsl:with-param name="nummer" select="$nummer"/>
      </xsl:call-template>
    </xsl:variable>
    <xsl:variable name="wochenende">
      <xsl:choose>
        <xsl:when test="$nummer mod 7 = 5"> sa</xsl:when>
        <xsl:when test="$nummer mod 7 = 6"> so</xsl:when>
      </xsl:choose>
    </xsl:variable>
    <xsl:choose>
      <xsl:when test="$nummer &lt; $von or $nummer &gt; $bis">
        <td class="aussen{$wochenende}"></td>
      </xsl:when>
      <xsl:when test="key('tag', $datum)">
        <td class="tag{$wochenende}">
          <xsl:apply-templates select="key('tag', $datum)" mode="zelle"/>
        </td>
      </xsl:when>
      <xsl:otherwise>
        <td class="tag fehlt{$wochenende}">
          <div class="farbband"></div>
          <div class="zelle">
            <xsl:call-template name="zellkopf">
              <xsl:with-param name="datum" select="$datum"/>
            </xsl:call-template>
          </div>
        </td>
      </xsl:otherwise>
    </xsl:choose>
    <xsl:if test="$nummer mod 7 != 6">
      <xsl:call-template name="rasterzelle">
        <xsl:with-param name="nummer" select="$nummer + 1"/>
        <xsl:with-param name="von" select="$von"/>
        <xsl:with-param name="bis" select="$bis"/>
      </xsl:call-template>
    </xsl:if>
  </xsl:template>

  <!-- The day's colour marks as a band across the top of its cell; an empty band keeps
       the dates of a row level. -->
  <xsl:template name="farbband">
    <div class="farbband">
      <xsl:for-each select="TAGESFARBEN/WERT">
        <xsl:variable name="hex">
          <xsl:call-template name="hexfarbe">
            <xsl:with-param name="wert" select="."/>
          </xsl:call-template>
        </xsl:variable>
        <xsl:if test="$hex != ''">
          <span style="background-color:#{$hex}">
            <xsl:attribute name="title">
              <xsl:variable name="name">
                <xsl:call-template name="farbname">
                  <xsl:with-param name="hex" select="$hex"/>
                </xsl:call-template>
              </xsl:variable>
              <xsl:choose>
                <xsl:when test="$name != ''"><xsl:value-of select="$name"/></xsl:when>
                <xsl:otherwise>#<xsl:value-of select="$hex"/></xsl:otherwise>
              </xsl:choose>
            </xsl:attribute>
          </span>
        </xsl:if>
      </xsl:for-each>
    </div>
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
body { margin: 0 auto; max-width: 96rem; padding: 1.2rem 1.5rem 2rem; color: #1d2430;
  font: 10pt/1.35 "Segoe UI", "DejaVu Sans", "Liberation Sans", Arial, sans-serif; }
h1 { font-size: 17pt; margin: 0 0 .15rem; }
.kwtitel { margin-left: .8rem; font-size: 12pt; font-weight: normal; color: #5b6472; }
.erstellt { margin: 0; color: #5b6472; font-size: 9pt; }
.quelle { word-break: break-all; }
.etikett { color: #5b6472; }
.legende { display: flex; flex-wrap: wrap; gap: .25rem .9rem; align-items: center;
  margin: .7rem 0 0; padding: .35rem .6rem; border: 1px solid #d5dae1; border-radius: 4px;
  font-size: 9pt; }
.marke { display: inline-flex; align-items: center; gap: .25rem; }
.muster { display: inline-block; flex: 0 0 auto; width: .85em; height: .85em; border-radius: 2px;
  border: 1px solid rgba(0, 0, 0, .45); }
.mname { font-size: 8.5pt; }
main { margin-top: .8rem; }
table.raster { width: 100%; border-collapse: collapse; table-layout: fixed; }
col.sp-kw { width: 2.4rem; }
table.raster thead th { padding: .3rem .4rem; background: #1f4e8c; color: #fff; font-weight: 600;
  text-align: left; border: 1px solid #1f4e8c; }
table.raster thead th.kw { text-align: center; font-weight: normal; font-size: 8.5pt; }
table.raster thead th.so, table.raster thead th.sa { background: #2d5d99; }
abbr { text-decoration: none; }
th.kwzeile { vertical-align: top; padding: .4rem .1rem; border: 1px solid #cfd5dd; background: #f4f6f8;
  color: #5b6472; font-weight: normal; font-size: 8.5pt; text-align: center; }
th.kwzeile .kwnr { display: block; font-size: 11pt; font-weight: 600; color: #1d2430; }
td.tag, td.aussen { border: 1px solid #cfd5dd; vertical-align: top; padding: 0; height: 9rem; }
table.einzeln td.tag, table.einzeln td.aussen { height: 24rem; }
td.sa { background: #f6f7f9; }
td.so { background: #eef1f5; }
td.aussen { background: #fafbfc; }
.farbband { display: flex; height: 6px; }
.farbband span { flex: 1 1 0; }
.zelle { padding: .3rem .4rem .5rem; overflow-wrap: anywhere; }
.datum { font-weight: 700; font-size: 11pt; font-variant-numeric: tabular-nums; }
td.so .datum { color: #9a2a2a; }
.marken { display: flex; flex-wrap: wrap; gap: .1rem .5rem; margin: .15rem 0 .2rem; }
.personen { margin: .15rem 0; font-size: 9pt; }
.geb .etikett, .nt .etikett { font-weight: 600; color: #1d2430; }
.info { margin: .2rem 0; padding-left: .4rem; border-left: 2px solid #c7ccd4; color: #3a4150; font-size: 9pt; }
.termin { margin: .35rem 0 0; padding: .1rem 0 .1rem .4rem; border-left: 4px solid #c7ccd4;
  break-inside: avoid; page-break-inside: avoid; }
.termin.ohnefarbe { border-left-style: dotted; }
.zeit { font-size: 8.5pt; font-variant-numeric: tabular-nums; color: #2b3443; }
.folgetag { color: #5b6472; }
.beschr { font-weight: 600; }
.ort { font-size: 9pt; color: #3a4150; }
.kat { display: inline-block; padding: 0 .3rem; border: 1px solid #b9c0ca; border-radius: 3px;
  font-size: 8pt; color: #3a4150; }
.link { display: block; font-size: 8.5pt; color: #1f4e8c; word-break: break-all; }
.link.gesperrt { color: #5b6472; }
.hinweis { color: #5b6472; font-style: italic; }
.seitenfuss { margin-top: 1.2rem; padding-top: .3rem; border-top: 1px solid #d5dae1;
  color: #5b6472; font-size: 8.5pt; }
@page { size: A4 landscape; margin: 10mm; }
@media print {
  body { max-width: none; padding: 0; font-size: 8pt; }
  h1 { font-size: 14pt; }
  a { color: inherit; text-decoration: none; }
  thead { display: table-header-group; }
  h1 { margin-bottom: 0; }
  .legende { margin-top: .3rem; padding: .15rem .5rem; }
  main { margin-top: .4rem; }
  /* Weeks stay whole on a sheet; a single week longer than a sheet goes on over the next. */
  tr { break-inside: avoid; page-break-inside: avoid; }
  table.einzeln tr { break-inside: auto; page-break-inside: auto; }
  td.tag, td.aussen { height: 42mm; }
  table.einzeln td.tag, table.einzeln td.aussen { height: 110mm; }
  .personen, .info, .ort, .mname { font-size: 7.5pt; }
  .zeit, .link, .kat { font-size: 7pt; }
  .datum { font-size: 10pt; }
  .seitenfuss { break-inside: avoid; margin-top: .4rem; font-size: 7.5pt; }
}
</xsl:text>
  </xsl:template>

</xsl:stylesheet>
