<?xml version="1.0" encoding="UTF-8"?>
<!-- Kalvora: the address export as a printable page, one table per group. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="UTF-8" doctype-system="about:legacy-compat" indent="yes"/>

  <xsl:template match="/ADRESSBUCH">
    <html lang="de">
      <head>
        <meta charset="UTF-8"/>
        <title>Adressbuch</title>
        <style>
          body { font-family: "Liberation Sans", Arial, sans-serif; font-size: 10pt;
                 color: #222; margin: 1.5em; }
          h1 { font-size: 16pt; margin: 0 0 0.2em 0; color: #1f4e79; }
          .info { color: #666; margin-bottom: 1.2em; }
          h2 { font-size: 12pt; margin: 1.4em 0 0.4em 0; color: #1f4e79;
               border-bottom: 2px solid #1f4e79; }
          h2 .anzahl { font-weight: normal; color: #666; font-size: 10pt; }
          table { border-collapse: collapse; width: 100%; }
          th { text-align: left; background: #dfe8f3; padding: 3px 6px;
               border-bottom: 1px solid #9bb3cf; }
          td { padding: 3px 6px; vertical-align: top; border-bottom: 1px solid #e3e3e3; }
          tr:nth-child(even) td { background: #f7f9fc; }
          .name { font-weight: bold; }
          .klein { color: #555; }
          a { color: #1f5fa8; text-decoration: none; }
          .kein-verweis { color: #555; }
          footer { margin-top: 2em; color: #888; font-size: 8pt; }
          @media print {
            body { margin: 0; font-size: 9pt; }
            * { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
            .gruppe { page-break-inside: auto; }
            tr { page-break-inside: avoid; }
            h2 { page-break-after: avoid; }
          }
        </style>
      </head>
      <body>
        <h1>Adressbuch</h1>
        <div class="info">
          Erstellt am <xsl:value-of select="DATEIINFOS/ERSTELLT_AM"/> um
          <xsl:value-of select="DATEIINFOS/ERSTELLT_UM"/> Uhr
        </div>
        <xsl:apply-templates select="GRUPPE"/>
        <footer>
          <xsl:value-of select="DATEIINFOS/COPYRIGHT"/> ·
          <xsl:value-of select="DATEIINFOS/VERSION"/>
        </footer>
      </body>
    </html>
  </xsl:template>

  <xsl:template match="GRUPPE">
    <div class="gruppe">
      <h2>
        <xsl:value-of select="GRUPPENNAME"/>
        <span class="anzahl">
          (<xsl:value-of select="GRUPPENMITGLIEDSANZAHL"/>
          <xsl:choose>
            <xsl:when test="GRUPPENMITGLIEDSANZAHL = 1"> Eintrag</xsl:when>
            <xsl:otherwise> Einträge</xsl:otherwise>
          </xsl:choose>)
        </span>
      </h2>
      <xsl:if test="EINTRAG">
        <table>
          <tr><th>Name</th><th>Anschrift</th><th>Telefon</th><th>E-Mail und Internet</th>
            <th>Sonstiges</th></tr>
          <xsl:apply-templates select="EINTRAG"/>
        </table>
      </xsl:if>
    </div>
  </xsl:template>

  <xsl:template match="EINTRAG">
    <tr>
      <td>
        <div class="klein">
          <xsl:value-of select="ANREDE"/>
          <xsl:if test="TITEL != ''"><xsl:text> </xsl:text><xsl:value-of select="TITEL"/></xsl:if>
        </div>
        <div class="name">
          <xsl:value-of select="VORNAME"/>
          <xsl:if test="VORNAME != ''"><xsl:text> </xsl:text></xsl:if>
          <xsl:value-of select="NAME"/>
        </div>
      </td>
      <td>
        <xsl:if test="STRASSE != ''"><div><xsl:value-of select="STRASSE"/></div></xsl:if>
        <xsl:if test="POSTFACH != ''"><div>Postfach <xsl:value-of select="POSTFACH"/></div></xsl:if>
        <xsl:if test="PLZ != '' or ORT != ''">
          <div><xsl:value-of select="PLZ"/><xsl:text> </xsl:text><xsl:value-of select="ORT"/></div>
        </xsl:if>
        <xsl:if test="LAND != ''"><div><xsl:value-of select="LAND"/></div></xsl:if>
      </td>
      <td>
        <xsl:call-template name="zeile"><xsl:with-param name="was" select="'privat'"/>
          <xsl:with-param name="wert" select="TELEFON_PRIVAT"/></xsl:call-template>
        <xsl:call-template name="zeile"><xsl:with-param name="was" select="'geschäftlich'"/>
          <xsl:with-param name="wert" select="TELEFON_GESCHAEFTLICH"/></xsl:call-template>
        <xsl:call-template name="zeile"><xsl:with-param name="was" select="'Handy'"/>
          <xsl:with-param name="wert" select="HANDY"/></xsl:call-template>
        <xsl:call-template name="zeile"><xsl:with-param name="was" select="'Fax'"/>
          <xsl:with-param name="wert" select="FAXNUMMER"/></xsl:call-template>
      </td>
      <td>
        <xsl:for-each select="EMAIL-ADRESSEN/EMAIL-ADRESSE">
          <div><a href="mailto:{.}"><xsl:value-of select="."/></a></div>
        </xsl:for-each>
        <xsl:if test="HOMEPAGE != ''">
          <div><xsl:call-template name="homepage"/></div>
        </xsl:if>
        <xsl:call-template name="zeile"><xsl:with-param name="was" select="'ICQ'"/>
          <xsl:with-param name="wert" select="ICQ-NUMMER"/></xsl:call-template>
      </td>
      <td><xsl:value-of select="SONSTIGES"/></td>
    </tr>
  </xsl:template>

  <!-- Only web pages and mail addresses are links: http, https and mailto as they stand, a
       host name without a scheme with "http://" ("host:8080" has a port, no scheme); any
       other scheme (javascript:, file:, C:) and anything else is shown as plain text. TAB,
       LF and CR are dropped and the blanks normalised first, as a browser reads an href. -->
  <xsl:variable name="gross" select="'ABCDEFGHIJKLMNOPQRSTUVWXYZ'"/>
  <xsl:variable name="klein" select="'abcdefghijklmnopqrstuvwxyz'"/>
  <xsl:variable name="ziffern" select="'0123456789'"/>
  <xsl:variable name="satzzeichen"> !"#$%&amp;'()*+,-./:;&lt;=&gt;?@[\]^_`{|}~</xsl:variable>

  <xsl:template name="homepage">
    <xsl:variable name="t" select="normalize-space(translate(HOMEPAGE, '&#9;&#10;&#13;', ''))"/>
    <xsl:variable name="vor" select="translate(substring-before($t, ':'), $gross, $klein)"/>
    <xsl:variable name="danach" select="substring(substring-after($t, ':'), 1, 1)"/>
    <xsl:variable name="erstes" select="substring($t, 1, 1)"/>
    <xsl:variable name="schema"
        select="$vor != '' and translate(substring($vor, 1, 1), $klein, '') = ''
                and translate($vor, concat($klein, $ziffern, '+.-'), '') = ''"/>
    <xsl:variable name="port"
        select="$danach != '' and translate($danach, $ziffern, '') = ''"/>
    <xsl:variable name="url">
      <xsl:choose>
        <xsl:when test="contains($t, '&#127;')"/>
        <xsl:when test="$schema and ($vor = 'http' or $vor = 'https' or $vor = 'mailto')">
          <xsl:value-of select="$t"/>
        </xsl:when>
        <xsl:when test="$schema and not($port)"/>
        <!-- A letter, a digit or a character beyond ASCII begins a host name. -->
        <xsl:when test="translate($erstes, $satzzeichen, '') != ''">
          <xsl:value-of select="concat('http://', $t)"/>
        </xsl:when>
      </xsl:choose>
    </xsl:variable>
    <xsl:choose>
      <xsl:when test="$url != ''">
        <a href="{$url}"><xsl:value-of select="HOMEPAGE"/></a>
      </xsl:when>
      <xsl:otherwise>
        <span class="kein-verweis" title="kein Verweis: nur http, https und mailto">
          <xsl:value-of select="HOMEPAGE"/>
        </span>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="zeile">
    <xsl:param name="was"/>
    <xsl:param name="wert"/>
    <xsl:if test="$wert != ''">
      <div><span class="klein"><xsl:value-of select="$was"/>: </span>
        <xsl:value-of select="$wert"/></div>
    </xsl:if>
  </xsl:template>
</xsl:stylesheet>
